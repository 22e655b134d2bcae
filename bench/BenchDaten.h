#pragma once
// What several benchmark sections need around their measured work: a
// message sink that prints (so a failing run does not pass silently), an
// XML document's bytes, and the busiest month of a generated journal.
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>

#include "core/CBuchungen.h"
#include "core/UserMessages.h"

namespace bench {

class PrintingMessages : public UserMessages {
public:
    explicit PrintingMessages(const char* section) : m_section(section) {}
    Answer Show(const std::string& text, Icon, Buttons, const std::string&) override
    {
        std::fprintf(stderr, "%s: %s\n", m_section, text.c_str());
        return Answer::Ok;
    }
    void ShowSystemError(int code) override { std::fprintf(stderr, "%s: system error %d\n", m_section, code); }

private:
    const char* m_section;
};

template <class Doc>
std::string XmlBytes(const Doc& doc)
{
    std::ostringstream out;
    doc.SaveStream(out);
    return out.str();
}

struct Monat {
    int jahr = 0;
    int monat = 0;
    int buchungen = 0;
};

// The month with the most bookings; the earliest of equals.
inline Monat BusiestMonth(const CBuchungen& journal)
{
    std::map<std::pair<int, int>, int> proMonat;
    for (int i = 0; i < journal.GetCount(); ++i) {
        const CDatum d = journal.GetItem(i).Datum;
        ++proMonat[{d.Year(), d.Month()}];
    }
    auto busiest = proMonat.begin();
    for (auto it = proMonat.begin(); it != proMonat.end(); ++it)
        if (it->second > busiest->second)
            busiest = it;
    if (busiest == proMonat.end())
        return {};
    return {busiest->first.first, busiest->first.second, busiest->second};
}

} // namespace bench
