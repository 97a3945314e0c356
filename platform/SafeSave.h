#pragma once
// Writes a whole file beside its target and renames it into place only when
// complete, so a failure at any point leaves the previous file as it was.

#include <QByteArray>
#include <QString>

#include "VorzoError.h"

// Throws the failure's error (by default "ファイル %s を作成できません",
// with the path as given) when the file cannot be written whole.
void saveFileSafely(const QString &path, const QByteArray &bytes,
                    VorzoError (*failure)(const QString &path) = &VorzoError::cannotCreate);
