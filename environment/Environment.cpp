#include "Environment.h"

void Environment::setValues(const EnvironmentValues &values)
{
    m_values = values;
    emit changed();
}
