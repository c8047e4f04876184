// One drive transaction answered by arbitrary bytes. The input: a flags byte (bit 0 write, bit 1
// RAM, bits 2-7 the drive), the address and the value (two bytes each, high first), how many of
// the line's bytes already wait before the request (low nibble) and how many bytes a read hands
// out (high nibble, 1-16), then what the line delivers. When the line has nothing more, the port
// goes away, so every input ends at once.

#include "fuzzcheck.h"

#include "driveprotocol.h"
#include "serialport.h"

namespace {

class LinePort final : public zr::SerialPort {
public:
    LinePort(QByteArray waiting, QByteArray line, int chunk)
        : waiting_(std::move(waiting)), line_(std::move(line)), chunk_(chunk) {}

    QByteArray written;
    QByteArray delivered; // what the line handed out after the request

    bool IsOpen() const override { return open_; }
    bool Open() override { return open_ = true; }
    bool Close() override {
        open_ = false;
        return true;
    }
    bool Write(const QByteArray &bytes) override {
        written += bytes;
        return open_;
    }
    QByteArray ReadAvailable(bool *ok) override {
        if (ok)
            *ok = open_;
        if (!open_)
            return {};
        if (!waiting_.isEmpty())
            return std::exchange(waiting_, {});
        if (written.isEmpty())
            return {};
        if (line_.isEmpty()) {
            open_ = false; // the line went away
            return {};
        }
        const QByteArray part = line_.left(chunk_);
        line_.remove(0, part.size());
        delivered += part;
        return part;
    }
    bool waitForData(int) override { return open_ && (!waiting_.isEmpty() || !line_.isEmpty()); }

private:
    QByteArray waiting_, line_;
    int chunk_;
    bool open_ = true;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 6)
        return 0;
    const bool isWrite = data[0] & 1;
    const bool ram = data[0] & 2;
    const int drive = data[0] >> 2;
    const int address = data[1] << 8 | data[2];
    const QString value = QString::number(qint16(data[3] << 8 | data[4]));
    const QByteArray rest = fuzz::bytesOf(data + 6, size - 6);
    const int stale = data[5] & 0x0F;
    LinePort port(rest.left(stale), rest.mid(stale), (data[5] >> 4) + 1);

    const QString before = isWrite ? value : QStringLiteral("untouched");
    QString text = before, result;
    zr::DriveTransaction(port, drive, address, isWrite, ram, text, result);

    const QByteArray request = zr::BuildRequest(drive, address, isWrite, ram, value);
    FUZZ_CHECK(port.written == request); // stale input is never taken for the reply
    const QByteArray reply = port.delivered;
    if (reply.size() < zr::kReplyLength) {
        FUZZ_CHECK(result == zr::kTimeoutError);
        FUZZ_CHECK(text == before);
    } else if (isWrite) {
        FUZZ_CHECK(text == before);
        FUZZ_CHECK(result == (reply == request ? zr::kNoError : zr::kEchoError));
    } else {
        const int high = quint8(reply[3]), low = quint8(reply[4]);
        FUZZ_CHECK(text == QString::number(zr::JoinWord(high, low)));
        FUZZ_CHECK(result == zr::kNoError || result == zr::kEchoError ||
                   result == zr::kChecksumError);
        FUZZ_CHECK((result == zr::kChecksumError) == ((high + low) % 256 != quint8(reply[5])));
        if (result == zr::kNoError)
            FUZZ_CHECK(reply.left(3) == request);
    }
    return 0;
}
