#pragma once

#include <QByteArray>
#include <QString>

// The file-system operations whose failures matter to the caller, behind one interface so that
// tests can make them fail (as root, permissions alone cannot).
class DiskInterface {
public:
    virtual ~DiskInterface();
    // Whether anything (a file, a folder) exists at `path`.
    virtual bool exists(const QString& path) = 0;
    // Reads the whole file; false when it cannot be read (a missing file included).
    virtual bool readFile(const QString& path, QByteArray* contents) = 0;
    // Replaces the file with `contents` atomically: written beside it, then renamed over it.
    // On failure the file is as it was and nothing is left beside it.
    virtual bool writeFileAtomically(const QString& path, const QByteArray& contents) = 0;
};

// The real disk.
class RealDiskInterface : public DiskInterface {
public:
    bool exists(const QString& path) override;
    bool readFile(const QString& path, QByteArray* contents) override;
    bool writeFileAtomically(const QString& path, const QByteArray& contents) override;

    static RealDiskInterface& instance();
};
