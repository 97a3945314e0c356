#pragma once
// Writes a whole file so that a failure at any point (disk full, folder gone)
// leaves the previous file as it was: the bytes go to a temporary file beside
// the target, are flushed and synced, and only then renamed over it. Where
// the folder does not let us create that temporary file but the target
// itself is writable, the target is written in place instead, its old bytes
// kept should that fail. A symbolic link is followed: its final target is
// saved so, in its own folder, and the link stays a link (a dangling link
// creates its target).

#include <QByteArray>
#include <QString>

#include "VorzoError.h"

// Throws the failure's error (by default "ファイル %s を作成できません",
// with the path as given) when the file cannot be written whole. A target
// that exists but is read-only (no owner write bit, whoever runs us) is
// refused and stays untouched.
void saveFileSafely(const QString &path, const QByteArray &bytes,
                    VorzoError (*failure)(const QString &path) = &VorzoError::cannotCreate);
