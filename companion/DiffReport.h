#pragma once
// The differences of two stages as vorzo-stage diff prints them: one line
// each ("X 12, Y 5: a レンガ → k コイン", "設定 time_max: 300 → 200"), or
// as JSON for tools.

#include "StageDiff.h"

#include <QByteArray>
#include <QString>

QByteArray diffLines(const StageDiff &diff);
QByteArray diffJson(const StageDiff &diff, const QString &before, const QString &after);
