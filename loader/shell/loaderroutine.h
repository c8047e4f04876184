#pragma once

// The state every window of the loader shares for the whole run, under the names the windows
// use. Flags are 16-bit values with True = -1 and False = 0. One instance is owned by main()
// and handed to the windows; tests create a fresh one each.

#include "captions.h"
#include "linkstate.h"

#include <QString>
#include <QtGlobal>

namespace zr::shell {

using zr::Flag;
using zr::IsSet;
using zr::kFalse;
using zr::kTrue;

// Pages of the page switcher.
enum Page : qint16 { kPageLink = 0, kPageTransfer = 1, kPageFront = 2, kPageAbout = 3 };

// Languages (index of every three-language text).
using zr::kEnglish;
using zr::kFrench;
using zr::kItalian;
using zr::Language;

// The drive link's part (CommResult, DriveAddress, LinkOk ...) is the link's own state.
class LoaderRoutine : public LinkState {
public:
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
