// Storing a file so that no failure leaves a damaged or missing file behind.
//
// The new contents go into a temporary file beside the target, are flushed
// to the disk and then replace the target in one rename. On any failure the
// temporary file is removed and a previous target stays exactly as it was.
#pragma once

#include <string>
#include <string_view>

class QIODevice;

namespace zavro {

enum class WriteOutcome {
    Written,
    CannotReplace, // the target exists and may not be replaced (not writable, a folder)
    CannotCreate,  // the new file could not be created or written completely
};

// The file system as the save operations see it.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Replaces (or creates) the file at path (UTF-8) by exactly these bytes.
    virtual WriteOutcome WriteFile(const std::string& path, std::string_view bytes) = 0;
};

// The writer of the program: a temporary file committed by one rename.
class SafeFileWriter : public FileWriter {
public:
    WriteOutcome WriteFile(const std::string& path, std::string_view bytes) override;

protected:
    // Writes the bytes into the opened temporary file; false on a failure.
    virtual bool WriteBody(QIODevice& out, std::string_view bytes);
};

} // namespace zavro
