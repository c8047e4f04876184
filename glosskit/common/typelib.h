#pragma once

#include "glosskit_export.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace glosskit {

// Stock dispatch identifiers used by the library.
enum StockDispId : int {
    DispIdValue = 0,
    DispIdFont = -512,
    DispIdForeColor = -513,
    DispIdEnabled = -514,
    DispIdHwnd = -515,
    DispIdCaption = -518,
    DispIdAboutBox = -552,
};

struct MemberInfo {
    enum Kind { Property, Method, Event };
    QString name;
    int dispId = 0;
    Kind kind = Property;
    QString description;
};

// One creatable control class with its two interfaces.
struct GLOSSKIT_EXPORT ClassInfo {
    QString name;             // "GlossSphere"
    QString progId;           // "GlossKit.GlossSphere"
    QString clsid;            // fixed class identifier
    QString defaultInterface; // "_GlossSphere": properties and methods
    QString defaultIid;
    QString eventInterface; // "__GlossSphere": events
    QString eventIid;
    std::vector<MemberInfo> members; // in interface order
    std::vector<MemberInfo> events;  // in interface order

    const MemberInfo *member(const QString &name) const;
    const MemberInfo *event(const QString &name) const;
};

// The type description of the library, as a host or a tool may query it at run time.
class GLOSSKIT_EXPORT TypeLibrary {
public:
    static const TypeLibrary &instance();

    QString name() const;

    const std::vector<ClassInfo> &classes() const;
    // Lookups by class name, default or event interface name, or ProgID (without regard to case).
    const ClassInfo *find(const QString &name) const;
    std::optional<int> memberDispId(const QString &className, const QString &member) const;
    std::optional<int> eventDispId(const QString &className, const QString &event) const;

private:
    TypeLibrary();
};

} // namespace glosskit
