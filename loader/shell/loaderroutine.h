#pragma once

// The state every window of the loader shares for the whole run, under the names the windows
// use. Flags are 16-bit values with True = -1 and False = 0. One instance is owned by main()
// and handed to the windows; tests create a fresh one each.

#include "captions.h"

#include <QString>
#include <QtGlobal>

namespace zr::shell {

constexpr qint16 kTrue = -1;
constexpr qint16 kFalse = 0;
inline qint16 Flag(bool on) {
    return on ? kTrue : kFalse;
}
inline bool IsSet(qint16 flag) {
    return flag != kFalse;
}

// Pages of the page switcher.
enum Page : qint16 { kPageLink = 0, kPageTransfer = 1, kPageFront = 2, kPageAbout = 3 };

// Languages (index of every three-language text).
enum Language : qint16 { kItalian = 0, kEnglish = 1, kFrench = 2 };

class LoaderRoutine {
public:
    // Drive link
    QString CommResult;
    qint16 DriveAddress = 0;
    qint16 SavedDriveAddress = 0;
    qint16 LinkOk = kFalse;
    qint16 LinkEnabledSaved = kFalse;
    qint16 DriveRelease = 0;
    qint32 StatusFlag14 = 0;
    qint16 TransferDone = kFalse;

    // Transfer
    qint16 DownloadActive = kFalse;
    qint16 UploadActive = kFalse;
    QString ParamFileCode;
    QString ParamFileName;

    // Parameter files and editor
    QString DataDescriptionPath;
    QString StatusDescriptionPath;
    QString NewDescriptionPath;
    qint16 ParameterRowCount = 0;
    qint16 ReportDbConfigured = kFalse;

    // Shell
    qint16 CurrentLanguage = kItalian;
    CaptionTable Captions;
    QString HelpFilePath;
    qint16 CurrentPage = kPageLink;

    // Scope
    qint16 ScopePort = 0;
    qint16 LevelFollowsKnob = kFalse;

    // The caption of entry for the current language.
    QString caption(const CaptionEntry &entry) const { return CaptionText(entry, CurrentLanguage); }
};

} // namespace zr::shell
