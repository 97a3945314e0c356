#pragma once
// The head and tail templates every start of the program begins with, as the
// bytes they are written as (code page 932, CR LF).

#include <QByteArray>

QByteArray defaultHeadTemplate();
QByteArray defaultTailTemplate();
