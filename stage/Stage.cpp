#include "Stage.h"

void Stage::setProjectName(const QString &name)
{
    m_projectName = name;
    emit projectNameChanged(name);
}
