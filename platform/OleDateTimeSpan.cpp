#include "platform/OleDateTimeSpan.h"

namespace {
const double kHalfSecond = 1.0 / (2.0 * 24.0 * 60.0 * 60.0);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG days, int hours, int minutes, int seconds)
{
    m_span = days + hours / 24.0 + minutes / (24.0 * 60.0) + seconds / (24.0 * 60.0 * 60.0);
    m_status = valid;
}

double COleDateTimeSpan::Rounded(double perDay) const
{
    double shifted = (m_span + (m_span < 0 ? -kHalfSecond : kHalfSecond)) * perDay;
    return static_cast<double>(static_cast<LONGLONG>(shifted));
}
