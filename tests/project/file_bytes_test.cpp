#include "data/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <string>

#include "data/project_file_error.h"

namespace zelvaro {
namespace {

// Files above `bytes` cannot grow while this lives: a full disk, also for root.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

class FileBytes : public ::testing::Test {
  protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir_;
};

TEST_F(FileBytes, ReplacesTheWholeFile) {
    const QString file = path("a.pbl");
    replaceFileBytes(file, {"a long old content"});
    replaceFileBytes(file, {"new", "\r\n", "text"});
    EXPECT_EQ(contentOf(file), QByteArray("new\r\ntext"));
    EXPECT_EQ(readFileBytes(file), QByteArray("new\r\ntext"));
}

TEST_F(FileBytes, FailedWriteLeavesTheOldFile) {
    const QString file = path("a.pbl");
    replaceFileBytes(file, {"old test"});
    const std::string big(64 * 1024, 'x');
    {
        FileSizeLimit limit(1024);
        EXPECT_THROW(replaceFileBytes(file, {big, big}), ProjectFileError);
    }
    EXPECT_EQ(contentOf(file), QByteArray("old test"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.pbl")});
}

TEST_F(FileBytes, ReportsWhatCannotBeOpened) {
    EXPECT_THROW(readFileBytes(path("missing.pbl")), ProjectFileError);
    EXPECT_THROW(readFileBytes(dir_.path()), ProjectFileError);
    EXPECT_THROW(replaceFileBytes(path("no/such/folder/a.pbl"), {"x"}), ProjectFileError);
}

}  // namespace
}  // namespace zelvaro
