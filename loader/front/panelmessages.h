#pragma once

// The front panel's message texts in the three languages (0 Italian, 1 English, 2 French).

#include <QString>

namespace zr::front {

// Drive releases from this one on carry the oscilloscope (1700 = 1.700).
constexpr int kScopeRelease = 1700;

// The refusal of Enter on a guarded screen; empty for an unknown language.
QString NotAvailableText(int language);

struct ReleaseNotice {
    QString title;
    QString text;
};
// The notice for a drive without oscilloscope; empty texts for an unknown language.
ReleaseNotice ReleaseNoticeFor(int language);

// Written over the display while the oscilloscope has the line and the display cannot follow
// the drive; English for an unknown language.
QString PausedText(int language);

} // namespace zr::front
