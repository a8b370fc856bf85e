#include "data/FileIdentity.h"

#include <QFile>
#include <sys/stat.h>

std::optional<FileIdentity> FileIdentity::of(const QString& file) {
    struct stat st {};
    if (file.isEmpty() || ::stat(QFile::encodeName(file).constData(), &st) != 0)
        return std::nullopt;
    FileIdentity id;
    id.device = quint64(st.st_dev);
    id.inode = quint64(st.st_ino);
    id.size = qint64(st.st_size);
    id.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return id;
}
