#pragma once
// Failures planted under a name the program is about to write, shared by the tests of every kind
// of file. Each one makes the name unwritable in its own way, as a user's disk can, and works the
// same for every user, root included (root writes through read-only permissions, so none of them
// relies on permissions): a folder under the name, a name inside a file, a missing folder, a full
// disk (the process may not grow a file, the write fails as on a full disk), a device.

#include <sys/resource.h>
#include <csignal>
#include <filesystem>
#include <map>
#include <string>

#include "tests/support/temp_dir.h"

enum class Obstacle { Folder, InsideAFile, MissingFolder, FullDisk, Device };

struct PlantedFailure {
    const char* name;
    Obstacle obstacle;
    const char* reason;  // a part of the message the failed write gives
};

inline constexpr PlantedFailure kPlantedFailures[] = {
    {"NameIsAFolder", Obstacle::Folder, "é uma pasta"},
    {"NameInsideAFile", Obstacle::InsideAFile, "não é uma pasta"},
    {"FolderMissing", Obstacle::MissingFolder, "não existe"},
    {"DiskFull", Obstacle::FullDisk, "(escrita): o arquivo ficaria grande demais"},
    {"NameIsADevice", Obstacle::Device, "não é um arquivo comum"},
};

// What the user had before the write: the folder "anterior" beside the target, the file
// inside a folder under the name, the file the name sits inside, the file a full disk must keep.
inline constexpr const char* kConteudoAnterior = "conteúdo anterior\r\n";

// Plants the obstacle in `dir` and returns the path to write the file `name` to.
inline std::string plantFailure(const TempDir& dir, Obstacle obstacle, const std::string& name) {
    switch (obstacle) {
        case Obstacle::Folder:
            std::filesystem::create_directory(dir.file(name));
            dir.write(name + "/dentro.txt", kConteudoAnterior);
            return dir.file(name);
        case Obstacle::InsideAFile:
            dir.write("arquivo", kConteudoAnterior);
            return dir.file("arquivo/" + name);
        case Obstacle::MissingFolder:
            return dir.file("falta/" + name);
        case Obstacle::FullDisk:
            return dir.write(name, kConteudoAnterior);
        case Obstacle::Device:
            return "/dev/full";
    }
    return {};
}

// Every file and folder under `root`, by relative name, with its bytes ("<pasta>" for a folder).
inline std::map<std::string, std::string> snapshot(const std::filesystem::path& root) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = std::filesystem::relative(e.path(), root).generic_string();
        out[name] = e.is_directory() ? "<pasta>" : TempDir::read(e.path().string());
    }
    return out;
}

// Files beside /dev/full that a write would have left: a write to a device must not begin.
inline int leftoversBesideDevice() {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator("/dev")) {
        if (e.path().filename().string().rfind("full.", 0) == 0) ++n;
    }
    return n;
}

// While alive and active, no file of this process may grow past a few bytes: every write
// beyond fails (EFBIG) as it would on a full disk, for root too.
class FullDiskWhile {
  public:
    explicit FullDiskWhile(bool active) : active_(active) {
        if (!active_) return;
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit small = previous_;
        small.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDiskWhile() {
        if (!active_) return;
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FullDiskWhile(const FullDiskWhile&) = delete;
    FullDiskWhile& operator=(const FullDiskWhile&) = delete;

  private:
    bool active_;
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};
