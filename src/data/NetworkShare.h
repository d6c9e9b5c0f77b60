#pragma once

#include <QString>

// Whether an account file lies on a network share (NFS, SMB/CIFS and the like). The engine's
// file locks and its write-ahead log do not hold across machines on such a share, so two
// counters opening one file there can damage it; the shell warns when an account is opened
// from one.
namespace NetworkShare {

// The type of the file system holding `path` (e.g. "ext4", "nfs4", "cifs"), looked up in
// `mountInfo`, text in the format of /proc/self/mountinfo: the mount with the longest mount
// point that holds the path, the later of two on the same point. Empty when none holds it.
QString fileSystemOf(const QString &path, const QString &mountInfo);

// The same, from this process's own mount table; empty where there is none to read.
QString fileSystemOf(const QString &path);

// True for the file systems of network shares and for user-space mounts of remote folders.
bool isNetworkFileSystem(const QString &type);

// The network file system type of the share holding `path`, or an empty string when the path
// is on a local disk (or its mount cannot be found).
QString networkShareOf(const QString &path);

} // namespace NetworkShare
