#include "frontpanelmenu.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zr::sim {

namespace {
constexpr int kHeldBit = 0x4000;
constexpr int kMinus = 128, kPlus = 8, kEnter = 4, kEsc = 2, kLeft = 64, kRight = 32;

// Display bytes of a text: the signs the display has in place of Latin-1 (é ± ² º Ω ® ©, and
// « » for the arrow bytes) become their codes; the row is cut or padded to sixteen.
QByteArray driveBytes(const QString &text) {
    struct Sign {
        char16_t shown;
        char code;
    };
    static constexpr Sign kSigns[] = {
        {u'é', '\x00'}, {u'«', '\x02'}, {u'»', '\x03'}, {u'±', '\x06'}, {u'²', '\x07'},
        {u'º', '\xDF'}, {u'Ω', '\xF4'}, {u'®', '\x05'}, {u'©', '\x04'},
    };
    QByteArray b;
    for (const QChar c : text) {
        const auto sign = std::find_if(std::begin(kSigns), std::end(kSigns),
                                       [c](const Sign &s) { return s.shown == c.unicode(); });
        if (sign != std::end(kSigns))
            b.append(sign->code);
        else
            b.append(c.unicode() < 0x100 ? static_cast<char>(c.unicode()) : '?');
    }
    b = b.left(16);
    while (b.size() < 16)
        b.append(' ');
    return b;
}

QString centred(const QString &s) {
    const qsizetype pad = std::max<qsizetype>(0, (16 - s.size()) / 2);
    return QString(pad, QLatin1Char(' ')) + s;
}

struct Texts {
    const char16_t *it, *en, *fr;
    QString in(int lang) const { return QString::fromUtf16(lang == 0 ? it : lang == 2 ? fr : en); }
};

struct Parameter {
    Texts name;
    int min, max, step, initial;
    int decimals;
    const char16_t *unit;
};

// name (10 characters at most), range, step, factory value, decimals, unit
const Parameter kParameters[FrontPanelMenu::kParameterCount] = {
    {{u"Vel. rif.", u"Speed ref.", u"Vit. réf."}, -6000, 6000, 1, 1500, 0, u" rpm"},
    {{u"Corr. max", u"Curr. max", u"Cour. max"}, 0, 300, 1, 125, 1, u" A"},
    {{u"Accel.", u"Accel.", u"Accél."}, 10, 20000, 10, 1500, 0, u" rad/s²"},
    {{u"R motore", u"Motor R", u"R moteur"}, 1, 9999, 1, 235, 2, u" Ω"},
    {{u"Temp. max", u"Temp. max", u"Temp. max"}, 40, 120, 1, 85, 0, u" ºC"},
    {{u"Allarme", u"Alarm test", u"Alarme"}, 0, 1, 1, 0, 0, u""},
};

const Texts kPhasingTitle{u"AUTOPHASING", u"PHASING", u"MISE EN PHASE"};
const Texts kOffsetTitle{u"TARATURA OFFSET", u"CURRENT OFFSET", u"TARAGE OFFSET"};
// The variables title fills row 1 in English; the longer Italian and French titles run on into
// row 2.
const Texts kVariablesRow1{u"VARIABILI«    KE", u"KEST«  VARIABLES", u"VARIABLES«    KE"};
const Texts kVariablesRow2{u"ST  Kt 0.85 Nm/A", u"Kt 0.85 Nm/A", u"ST  Kt 0.85 Nm/A"};
const Texts kStartHint{u"ENTER = AVVIO", u"ENTER = START", u"ENTER = DEPART"};
const Texts kDone{u"ESEGUITO", u"DONE", u"FAIT"};
const Texts kTestTitle{u"PROVA DISPLAY", u"DISPLAY TEST", u"TEST AFFICHEUR"};
const Texts kAlarm{u"ALLARME 07", u"ALARM 07", u"ALARME 07"};
const Texts kOffOn[2] = {{u"no", u"off", u"non"}, {u"si", u"on", u"oui"}};

QString number(int value, int decimals) {
    if (decimals == 0)
        return QString::number(value);
    const int scale = decimals == 1 ? 10 : 100;
    return QStringLiteral("%1%2.%3")
        .arg(value < 0 ? QStringLiteral("-") : QString())
        .arg(std::abs(value) / scale)
        .arg(std::abs(value) % scale, decimals, 10, QLatin1Char('0'));
}
} // namespace

FrontPanelMenu::FrontPanelMenu(SimDrive &drive, int language)
    : drive_(drive), language_(language < 0 || language > 2 ? 1 : language), start_(Clock::now()) {
    for (int i = 0; i < kParameterCount; ++i)
        values_[static_cast<size_t>(i)] = kParameters[i].initial;
}

std::optional<int> FrontPanelMenu::ParseLanguage(const QString &text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("ita") || t == QLatin1String("it") || t == QLatin1String("0"))
        return 0;
    if (t == QLatin1String("eng") || t == QLatin1String("en") || t == QLatin1String("1"))
        return 1;
    if (t == QLatin1String("fra") || t == QLatin1String("fr") || t == QLatin1String("2"))
        return 2;
    return std::nullopt;
}

void FrontPanelMenu::attach() {
    drive_.setWriteHook([this](bool ram, int a, quint16 v) { onWrite(ram, a, v); });
    drive_.setRequestHook(
        [this](bool w, bool ram, int a, TimePoint at) { onRequest(w, ram, a, at); });
    setBacklight();
    draw(Clock::now());
}

void FrontPanelMenu::onWrite(bool ram, int address, quint16 value) {
    if (ram && address == kKeyWord)
        key(value);
}

void FrontPanelMenu::onRequest(bool write, bool ram, int address, TimePoint at) {
    // A read of the first display word starts a sweep: bring the live values up to date.
    if (!write && ram && address == kDisplayFirst)
        draw(at);
}

void FrontPanelMenu::key(int code) {
    const bool held = code & kHeldBit;
    const int base = code & ~kHeldBit & 0xFFFF;
    procedureDone_ = false;
    switch (base) {
    case kRight:
        screen_ = (screen_ + 1) % kScreenCount;
        break;
    case kLeft:
        screen_ = (screen_ + kScreenCount - 1) % kScreenCount;
        break;
    case kEsc:
        screen_ = kStatus;
        break;
    case kEnter:
        if (screen_ == kStatus)
            screen_ = kFirstParameter;
        else if (screen_ >= kPhasing)
            procedureDone_ = true; // the procedure "runs" at once
        break;
    case kPlus:
    case kMinus:
        if (screen_ >= kFirstParameter && screen_ < kFirstParameter + kParameterCount) {
            const Parameter &p = kParameters[screen_ - kFirstParameter];
            int &v = values_[static_cast<size_t>(screen_ - kFirstParameter)];
            const int step = held ? p.step * 10 : p.step;
            v = std::clamp(base == kPlus ? v + step : v - step, p.min, p.max);
            if (screen_ == kAlarmParameter)
                setBacklight();
        }
        break;
    default:
        break;
    }
    draw(lastDraw_ == TimePoint{} ? Clock::now() : lastDraw_);
}

void FrontPanelMenu::setBacklight() {
    drive_.setRam(kBacklight1, alarm() ? 7 : 0);
    drive_.setRam(kBacklight2, alarm() ? 1 : 0);
}

QByteArray FrontPanelMenu::row(int r, TimePoint at) const {
    const int lang = language_;
    if (screen_ == kStatus) {
        if (r == 0) {
            const QString rel = QString::number(drive_.ram(0x0200));
            return driveBytes(QStringLiteral("ZR3500  Rel%1.%2").arg(rel.left(1), rel.mid(1)));
        }
        if (alarm())
            return driveBytes(kAlarm.in(lang));
        // A speed that wanders round its reference, a motor that warms slowly.
        const double t = std::chrono::duration<double>(at - start_).count();
        const int speed =
            values_[0] +
            static_cast<int>(std::lround(3.0 * std::sin(t * 4.4) + 2.0 * std::sin(t * 13.1)));
        const int temp = 41 + static_cast<int>(std::lround(2.0 * std::sin(t * 0.2)));
        return driveBytes(QStringLiteral("n=%1 rpm %2ºC").arg(speed, 5).arg(temp, 2));
    }
    if (screen_ < kFirstParameter + kParameterCount) {
        const int i = screen_ - kFirstParameter;
        const Parameter &p = kParameters[i];
        if (r == 0)
            return driveBytes(QStringLiteral("«P%1 %2")
                                  .arg(i + 1, 2, 10, QLatin1Char('0'))
                                  .arg(p.name.in(lang), -10) +
                              QStringLiteral("»"));
        const int v = values_[static_cast<size_t>(i)];
        if (screen_ == kAlarmParameter)
            return driveBytes(QStringLiteral("%1").arg(kOffOn[v ? 1 : 0].in(lang), 10));
        QString text = number(v, p.decimals) + QString::fromUtf16(p.unit);
        if (screen_ == kFirstParameter + 1)
            text = QStringLiteral("±") + text; // the limit holds in both directions
        return driveBytes(text.rightJustified(16));
    }
    if (screen_ == kDisplayTest)
        return driveBytes(r == 0 ? centred(kTestTitle.in(lang))
                                 : QStringLiteral(" é«»±²º Ω ®© <>"));
    if (screen_ == kVariables)
        return driveBytes(r == 0 ? kVariablesRow1.in(lang) : kVariablesRow2.in(lang));
    const Texts &title = screen_ == kPhasing ? kPhasingTitle : kOffsetTitle;
    if (r == 0)
        return driveBytes(centred(title.in(lang)));
    return driveBytes(centred(procedureDone_ ? kDone.in(lang) : kStartHint.in(lang)));
}

QByteArray FrontPanelMenu::displayBytes() const {
    QByteArray b;
    for (int i = 0; i < 16; ++i) {
        const quint16 w = drive_.ram(kDisplayFirst + i);
        b.append(static_cast<char>(w >> 8));
        b.append(static_cast<char>(w & 0xFF));
    }
    return b;
}

void FrontPanelMenu::draw(TimePoint at) {
    lastDraw_ = at;
    const QByteArray bytes = row(0, at) + row(1, at);
    for (int i = 0; i < 16; ++i) {
        const auto hi = static_cast<quint8>(bytes.at(2 * i));
        const auto lo = static_cast<quint8>(bytes.at(2 * i + 1));
        drive_.setRam(kDisplayFirst + i, static_cast<quint16>(hi << 8 | lo));
    }
}

} // namespace zr::sim
