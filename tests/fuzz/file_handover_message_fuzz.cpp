// A second launch's message comes from whatever process could reach the socket: any
// bytes are refused whole or give absolute local paths that travel unchanged.
#include <QByteArray>
#include <QUrl>

#include "fuzz_support.h"
#include "platform/single_instance/file_handover_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray message(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto files = vlt::FileHandoverMessage::decode(message);
    if (!files) return 0;

    for (const QUrl& file : *files) {
        vlt::fuzz::check(file.isValid() && file.isLocalFile() && file.host().isEmpty() &&
                             file.toLocalFile().startsWith(QLatin1Char('/')),
                         "every file handed over is an absolute local path");
    }
    vlt::fuzz::check(vlt::FileHandoverMessage::decode(vlt::FileHandoverMessage::encode(*files)) == files,
                     "the files handed over read back as they were sent");
    return 0;
}
