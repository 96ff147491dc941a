#pragma once
// Many files written into one folder as one whole, as a scenario export writes its simulation
// files and its sheet. Each file is written into a temporary folder inside the target folder;
// only `commit` puts them in place, after one sync of them all (instead of one per file): the
// disk is synced once, each file renamed over what stood under its name, the folder synced. A
// batch dropped without commit (a failure, a stop) leaves the folder as it was: what stood under
// the names stays untouched and the temporary folder goes with everything in it.

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class FileBatch {
  public:
    explicit FileBatch(std::string folder);
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // The path a file of the batch will have: the folder and the name.
    std::string target(const std::string& name) const;
    // Writes the file `name` of the batch, not yet seen under its name. Several threads may
    // write different names at once. A name that cannot take a file, or bytes that cannot be
    // written, throw FileError naming target(name) as writeFileBytes does.
    void write(const std::string& name, std::string_view bytes);
    // The lines as writeTextLines encodes them.
    void writeLines(const std::string& name, const std::vector<std::string>& lines);
    // Puts the files `names` (written before, in this order) in place; the others are dropped.
    // Throws FileError when the disk cannot be synced (nothing is replaced then) or a file
    // cannot be renamed (those before it are in place).
    void commit(const std::vector<std::string>& names);

  private:
    const std::string& staging(const std::string& name);

    std::string folder_;
    std::string staging_;  // the temporary folder, once made
    std::mutex lock_;
};
