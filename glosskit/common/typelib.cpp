#include "typelib.h"

namespace glosskit {

namespace {

// Builds the member list of a default interface: properties in interface order, then the two
// methods every control has. Stock members carry their stock ids; all others are numbered from 1.
std::vector<MemberInfo> members(const QStringList &properties,
                                std::initializer_list<std::pair<const char *, int>> stock) {
    std::vector<MemberInfo> out;
    int next = 1;
    auto stockId = [&](const QString &name) -> std::optional<int> {
        for (const auto &[n, id] : stock) {
            if (name == QLatin1String(n))
                return id;
        }
        return std::nullopt;
    };
    for (const QString &p : properties) {
        auto id = stockId(p);
        out.push_back({p, id ? *id : next++, MemberInfo::Property, {}});
    }
    out.push_back({QStringLiteral("TimerInvoke"), next++, MemberInfo::Method,
                   QStringLiteral("Timer Invocation procedure for control timing.")});
    out.push_back({QStringLiteral("AboutMe"), DispIdAboutBox, MemberInfo::Method, {}});
    return out;
}

std::vector<MemberInfo> events(std::initializer_list<std::pair<const char *, int>> list) {
    std::vector<MemberInfo> out;
    for (const auto &[name, id] : list)
        out.push_back({QLatin1String(name), id, MemberInfo::Event, {}});
    return out;
}

ClassInfo makeClass(const char *name, const char *clsid, const char *iid, const char *eventIid,
                    std::vector<MemberInfo> m, std::vector<MemberInfo> e) {
    const QString n = QLatin1String(name);
    return ClassInfo{n,
                     QStringLiteral("GlossKit.") + n,
                     QLatin1String(clsid),
                     QLatin1Char('_') + n,
                     QLatin1String(iid),
                     QLatin1String("__") + n,
                     QLatin1String(eventIid),
                     std::move(m),
                     std::move(e)};
}

// The event numbering shared by the push controls.
const std::initializer_list<std::pair<const char *, int>> kPushEvents = {
    {"Click", 1},     {"DblClick", 2},  {"KeyDown", 3}, {"KeyPress", 4},  {"KeyUp", 5},
    {"MouseDown", 6}, {"MouseMove", 7}, {"MouseUp", 8}, {"PlaySound", 9},
};

std::vector<ClassInfo> describeClasses() {
    std::vector<ClassInfo> classes;
    classes.push_back(makeClass("GlossCommand", "{1CC734AE-BC41-41AF-A53C-7B48B6146DD5}",
                                "{5B62FF01-9CFD-440A-B3A8-193CE0065ED4}",
                                "{189CC1CE-2561-435F-BBAB-03B89C442F4D}",
                                members({"HasShadow",
                                         "ShadowColor",
                                         "AllowMultiLine",
                                         "AdjustTop",
                                         "SoundMethod",
                                         "UseSound",
                                         "ShowFocus",
                                         "hwnd",
                                         "BackPicture",
                                         "Caption",
                                         "ShortCutKey",
                                         "SideIconHeight",
                                         "RSideIconHeight",
                                         "RSideIconWidth",
                                         "GradientRedDividend",
                                         "GradientGreenDividend",
                                         "GradientBlueDividend",
                                         "ForeColor",
                                         "FontName",
                                         "FontSize",
                                         "FontBold",
                                         "FontItalic",
                                         "FontStrikethru",
                                         "FontUnderline",
                                         "Font",
                                         "SideIcon",
                                         "RSideIcon",
                                         "Enabled",
                                         "PictureMode",
                                         "PictureNormal",
                                         "PictureDisabled",
                                         "PictureGoDown"},
                                        {{"hwnd", DispIdHwnd}, {"Font", DispIdFont}}),
                                events(kPushEvents)));
    classes.push_back(makeClass(
        "GlossCheck", "{7C410D31-53F7-446B-A356-172BF2322216}",
        "{2E60AD3C-8791-4F36-96B3-FAED5AE0EB11}", "{FC0038D8-4AE9-4847-8FEC-3B58ED440D9E}",
        members({"AllowMultiLine", "AdjustTop", "ShowFocus", "UseSound", "SoundMethod",
                 "FocusColor", "Font", "Caption", "Value", "BackColor", "ForeColor", "Enabled",
                 "PictureUncheck", "PictureCheck", "PictureDisabled", "PicturePushed",
                 "GlossCheckType", "FocusType"},
                {{"Font", DispIdFont}, {"Caption", DispIdCaption}, {"Value", DispIdValue}}),
        events(kPushEvents)));
    classes.push_back(makeClass(
        "GlossSphere", "{47AB8D30-C78B-41BB-B41A-126D6C50785F}",
        "{713F9184-5AE7-4A7E-95EE-890214F82AB9}", "{1E6EE3D8-C97A-470E-B89C-A622642F2101}",
        members(
            {"FocusColor",   "ShowFocus",    "UseSound",      "SoundMethod",     "Enabled",
             "ShortCutKey",  "MouseIcon",    "MousePointer",  "SphereType",      "ContentType",
             "UseAnimation", "UseOnTop",     "ContentIcon",   "ContentLetter",   "Font",
             "ForeColor",    "IconSize",     "PicturePushed", "PictureDisabled", "PictureNormal",
             "PictureOver",  "PictureOver2", "PictureMode"},
            {{"Enabled", DispIdEnabled},
             {"ContentLetter", DispIdCaption},
             {"Font", DispIdFont},
             {"ForeColor", DispIdForeColor}}),
        events(kPushEvents)));
    classes.push_back(makeClass(
        "GlossScreen", "{379BD4DE-05B7-4E71-8FB9-2E98211B75F8}",
        "{05D65989-2A50-46E5-9B95-178E4B3577F8}", "{03E4AB28-10A1-4F78-84A3-54EC66174DDE}",
        members({"BorderStyle", "MouseIcon", "MousePointer", "ScreenType"}, {}),
        // A frame numbers its first two events the other way round and has no sound event.
        events({{"DblClick", 1},
                {"Click", 2},
                {"KeyDown", 3},
                {"KeyPress", 4},
                {"KeyUp", 5},
                {"MouseDown", 6},
                {"MouseMove", 7},
                {"MouseUp", 8}})));
    classes.push_back(makeClass(
        "GlossHCommand", "{CC0C9B4B-E937-4B7A-925F-D8F5CA48A33C}",
        "{68ADF677-706E-4123-815B-69EEDF51C8A8}", "{22E2EE74-4665-453E-9829-E4437A946192}",
        members({"ShowFocus",      "FocusColor",    "UseSound",      "SoundMethod",
                 "AllowMultiLine", "AdjustTop",     "UseAnimation",  "ShortCutKey",
                 "Enabled",        "Font",          "FontBold",      "FontItalic",
                 "FontStrikethru", "FontUnderline", "FontName",      "ShineMode",
                 "FontSize",       "ForeColor",     "LeftColor",     "RightColor",
                 "MouseIcon",      "MousePointer",  "GlossStyle",    "UseOnTop",
                 "Caption",        "LeftCaption",   "RightCaption",  "FocusStyle",
                 "PicturePushed",  "PictureOver",   "PictureNormal", "PictureDisabled",
                 "PictureOver2",   "PictureMode"},
                {{"Font", DispIdFont}, {"Caption", DispIdCaption}}),
        // The bar button numbers MouseMove before MouseDown.
        events({{"Click", 1},
                {"DblClick", 2},
                {"KeyDown", 3},
                {"KeyPress", 4},
                {"KeyUp", 5},
                {"MouseMove", 6},
                {"MouseDown", 7},
                {"MouseUp", 8},
                {"PlaySound", 9}})));
    return classes;
}

} // namespace

const MemberInfo *ClassInfo::member(const QString &n) const {
    for (const auto &m : members) {
        if (m.name.compare(n, Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

const MemberInfo *ClassInfo::event(const QString &n) const {
    for (const auto &e : events) {
        if (e.name.compare(n, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

TypeLibrary::TypeLibrary() = default;

const TypeLibrary &TypeLibrary::instance() {
    static const TypeLibrary lib;
    return lib;
}

QString TypeLibrary::name() const {
    return QStringLiteral("GlossKit");
}

const std::vector<ClassInfo> &TypeLibrary::classes() const {
    static const std::vector<ClassInfo> classes = describeClasses();
    return classes;
}

const ClassInfo *TypeLibrary::find(const QString &name) const {
    for (const auto &c : classes()) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0 ||
            c.progId.compare(name, Qt::CaseInsensitive) == 0 ||
            c.defaultInterface.compare(name, Qt::CaseInsensitive) == 0 ||
            c.eventInterface.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

std::optional<int> TypeLibrary::memberDispId(const QString &className, const QString &m) const {
    const ClassInfo *c = find(className);
    const MemberInfo *info = c ? c->member(m) : nullptr;
    return info ? std::optional<int>(info->dispId) : std::nullopt;
}

std::optional<int> TypeLibrary::eventDispId(const QString &className, const QString &e) const {
    const ClassInfo *c = find(className);
    const MemberInfo *info = c ? c->event(e) : nullptr;
    return info ? std::optional<int>(info->dispId) : std::nullopt;
}

} // namespace glosskit
