#pragma once
// The picture `vorzo-stage render --picture FILE` takes the cells from,
// loaded by its kind of extension as the editor loads its pattern image.

#include "environment/PatternImage.h"

#include <QString>

// Throws VorzoError with the system's message: "拡張子 .%s の画像形式は処理
// できません" for an extension of no known kind, "ファイル %s は開けません"
// for a file that cannot be opened, "ビットマップイメージが不正です" (or the
// icon's message) for one that does not read.
PatternImage loadPicture(const QString &file);
