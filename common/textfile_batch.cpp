#include "common/textfile_batch.h"

#include <cerrno>
#include <filesystem>

#include "common/platform.h"
#include "common/system_message.h"
#include "common/textfile.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void failWrite(const std::string& path, const std::string& what, const std::string& why) {
    throw FileError("Não foi possível gravar o arquivo \"" + path + "\" (" + what + "): " + why + ".");
}

}  // namespace

FileBatch::FileBatch(std::string folder) : folder_(std::move(folder)) {}

FileBatch::~FileBatch() {
    if (staging_.empty()) return;
    std::error_code ec;
    fs::remove_all(pathFromUtf8(staging_), ec);
}

std::string FileBatch::target(const std::string& name) const {
    return utf8FromPath(pathFromUtf8(folder_) / pathFromUtf8(name));
}

// The temporary folder, made on the first write (after its target's checks, so that a folder
// that cannot take files is refused with the same message as a single file's): ".tmp-" and a
// number no other batch in the folder uses, this process's or another's.
const std::string& FileBatch::staging(const std::string& name) {
    const std::lock_guard<std::mutex> guard(lock_);
    if (!staging_.empty()) return staging_;
    const fs::path base = pathFromUtf8(folder_);
    for (long n = 0;; ++n) {
        const fs::path p = base / (".tmp-" + std::to_string(processNumber()) + "-" + std::to_string(n));
        std::error_code ec;
        if (fs::create_directory(p, ec)) {
            staging_ = utf8FromPath(p);
            return staging_;
        }
        if (ec) failWrite(target(name), "criação", systemMessage(ec));
        if (n >= 1000) failWrite(target(name), "criação", systemMessage(EEXIST));
    }
}

void FileBatch::write(const std::string& name, std::string_view bytes) {
    const std::string path = target(name);
    checkWriteTarget(path);
    const std::string temp = utf8FromPath(pathFromUtf8(staging(name)) / pathFromUtf8(name));
    writeWholeFile(path, temp, bytes, flushBatchFile);
}

void FileBatch::writeLines(const std::string& name, const std::vector<std::string>& lines) {
    write(name, encodeTextLines(lines));
}

void FileBatch::commit(const std::vector<std::string>& names) {
    if (names.empty() || staging_.empty()) return;
    if (!syncFolderFiles(staging_)) failWrite(target(names.front()), "escrita", systemMessage(errno));
    for (const std::string& name : names) {
        const std::string path = target(name);
        checkWriteTarget(path);
        if (!replaceFile(utf8FromPath(pathFromUtf8(staging_) / pathFromUtf8(name)), path))
            failWrite(path, "substituição", systemMessage(errno));
    }
    if (!syncFolder(folder_)) failWrite(target(names.back()), "substituição", systemMessage(errno));
}
