#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zr {

class SerialPort;

// The four outcomes of a drive transaction.
enum class LinkResult { NoError, Timeout, Echo, Checksum };

// Their texts, English in every language; made where a result is shown or printed.
inline const QString kNoError = QStringLiteral("No error");
inline const QString kTimeoutError = QStringLiteral("Timeout error");
inline const QString kEchoError = QStringLiteral("Echo error");
inline const QString kChecksumError = QStringLiteral("Checksum error");
QString ResultText(LinkResult result);

// A reply must be complete within this time (strictly more is a timeout).
constexpr int kReplyTimeoutMs = 300;
constexpr int kReplyLength = 6;

// Drive memory map used by the link and the transfers.
namespace addr {
constexpr int kRelease = 0x0200; // RAM, software release (1700 = 1.700)
constexpr int kStatus = 0x0280;  // RAM, status word; bit 14 = program running
constexpr quint16 kStatusBit14 = 0x4000;
constexpr int kCompletion = 0x0315;     // RAM, completion word
constexpr int kProgramRam = 0x9000;     // RAM 0x9000-0xB7FF, program image
constexpr int kParamRam = 0xB800;       // RAM 0xB800-0xBBFF, parameter block
constexpr int kSecondBlockRam = 0xBC00; // RAM 0xBC00-0xBFFF, second block
constexpr int kParamRom = 0x3800;       // ROM 0x3800-0x3BFF, parameter block
constexpr int kSecondBlockRom = 0x3C00; // ROM 0x3C00-0x3FFF, second block
} // namespace addr

// Drive numbers with a meaning of their own.
constexpr int kAnyDrive = 0;   // answered by every drive
constexpr int kBroadcast = 63; // carried out by every drive, never answered

// Splits a number into bits 15-8 and 7-0 of its 32-bit two's complement, after rounding to the
// nearest integer (halves to the even neighbour).
void SplitWord(double value, int &high, int &low);
// The signed 16-bit word with the given bytes (0xFFFF gives -1).
int JoinWord(int high, int low);

// Parses a value as callers hand it to a write: decimal with optional sign and blanks around it
// (" 1700", "-1", "12.5"), or "&H" followed by hexadecimal digits. Empty when the text is no
// number or lies outside the 32-bit range.
std::optional<double> ParseValueText(const QString &text);
// Parses an address in decimal, "0x0280" or "&H0280" form; empty when not in 0..65535.
std::optional<int> ParseAddressText(const QString &text);

// The request frame of a transaction (3 bytes for a read, 6 for a write); empty when an argument
// cannot be put on the line (drive outside 0..63, address outside 0..65535, unreadable value).
QByteArray BuildRequest(int drive, int address, bool isWrite, bool ramSpace, const QString &data);

// One exchange with the drive: reads or writes one word at `address` of RAM or ROM. `data` is the
// value to write, or receives the decimal text of the word read (left untouched on a timeout; set
// from the reply even when its echo or checksum is wrong). Never retries, never shows anything.
// The 0.3 s limit runs on the port's clock.
LinkResult Transact(SerialPort &port, int drive, int address, bool isWrite, bool ramSpace,
                    QString &data);
// The same with the result as its text.
void DriveTransaction(SerialPort &port, int drive, int address, bool isWrite, bool ramSpace,
                      QString &data, QString &result);

// A word read in one exchange; empty unless the result (also given back) is "No error".
std::optional<qint16> ReadWord(SerialPort &port, int drive, int address, bool ramSpace,
                               LinkResult *result = nullptr);

// Bit 14 of a status word as a read gave it: 16384 or 0 (the text's number taken as a 32-bit
// integer; an empty or unreadable text gives 0). The one place the status word is looked at.
qint32 StatusBit14(const QString &valueText);

// The release as the link window shows it: first character, ".", the rest ("1700" -> "1.700",
// "-1" -> "-.1"). Empty for an empty text.
QString FormatRelease(const QString &valueText);

} // namespace zr
