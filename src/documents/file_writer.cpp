#include "documents/file_writer.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace zavro {

WriteOutcome SafeFileWriter::WriteFile(const std::string& path, std::string_view bytes) {
    const QString name = QString::fromStdString(path);
    const QFileInfo target(name);
    if (target.exists() && (target.isDir() || !target.isWritable())) return WriteOutcome::CannotReplace;
    QSaveFile out(name);
    // A rename is the only way the target changes; never a direct write.
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) return WriteOutcome::CannotCreate;
    if (!WriteBody(out, bytes)) {
        out.cancelWriting();
        return WriteOutcome::CannotCreate; // the destructor removes the temporary file
    }
    // commit() flushes the file to the disk before renaming it over the target.
    return out.commit() ? WriteOutcome::Written : WriteOutcome::CannotCreate;
}

bool SafeFileWriter::WriteBody(QIODevice& out, std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    qint64 done = 0;
    while (done < size) {
        const qint64 n = out.write(bytes.data() + done, size - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

} // namespace zavro
