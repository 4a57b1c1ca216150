#pragma once

#include <QString>

#include <string_view>

namespace rt {

// The knowledge base is constant ASCII data; the screens show it as QString.
inline QString fromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace rt
