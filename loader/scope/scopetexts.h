#pragma once

// The scope window's own texts in the three languages (0 Italian, 1 English, 2 French).

#include <QString>

namespace zr::scope {

enum class ScopeText {
    NoSamples,    // the drive sent nothing: the scope closes
    PortFailed,   // %1: why the scope's port did not open
    ExportFailed, // %1: the file, %2: why
    Rolling,
    FreeRunning,
    WaitingForTrigger,
    Triggered,
    Holding,
};

// The text for a language; a language outside 0..2 reads as English.
QString ScopeTextFor(ScopeText text, int lang);

} // namespace zr::scope
