#include "net/protocol/NumberText.h"

#include <locale>
#include <sstream>

std::string IntToStdString(int nValue)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << nValue;
    return stream.str();
}

std::string FloatToStdString(float fValue)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << fValue;
    return stream.str();
}
