#pragma once
// A parsed element path such as "Laender/Land[2]/Name": slash-separated
// element names, each with a 0-based index among its same-named siblings.
// Empty segments are skipped, the closing "]" is optional and an index that
// cannot be read counts as 0, so hand-written paths never throw.
#include <string>
#include <vector>

class CXmlPfad {
public:
    struct Segment {
        std::string name;
        int index = 0;
    };

    CXmlPfad() = default;
    explicit CXmlPfad(const std::string& text);

    const std::vector<Segment>& Segments() const { return m_segments; }
    bool IsEmpty() const { return m_segments.empty(); }

private:
    std::vector<Segment> m_segments;
};
