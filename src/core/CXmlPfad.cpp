#include "core/CXmlPfad.h"

#include "core/Konvertierung.h"

namespace {

CXmlPfad::Segment ParseSegment(const std::string& text)
{
    CXmlPfad::Segment segment;
    const auto bracket = text.find('[');
    if (bracket == std::string::npos) {
        segment.name = text;
        return segment;
    }
    segment.name = text.substr(0, bracket);
    // The leading number after "[" is the index; "]" and anything after it
    // are ignored, and no digits at all give 0.
    segment.index = TextToInt(text.substr(bracket + 1));
    return segment;
}

} // namespace

CXmlPfad::CXmlPfad(const std::string& text)
{
    std::string::size_type begin = 0;
    while (begin <= text.size()) {
        auto end = text.find('/', begin);
        if (end == std::string::npos)
            end = text.size();
        if (end > begin)
            m_segments.push_back(ParseSegment(text.substr(begin, end - begin)));
        begin = end + 1;
    }
}
