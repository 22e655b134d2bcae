#include "core/CXmlDokument.h"

#include "core/CAtomicFile.h"
#include "core/Konvertierung.h"
#include "core/Windows1252.h"

#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

const char* const CXmlDokument::Header = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>";

namespace {

// Line ends are kept as they are (no "\r\n" folding) so that a text with a
// carriage return comes back byte for byte; a whitespace-only text is kept
// when it is an element's only content, for the same reason.
constexpr unsigned ParseFlags =
    (pugi::parse_default & ~pugi::parse_eol) | pugi::parse_ws_pcdata_single;
constexpr unsigned SaveFlags = pugi::format_indent | pugi::format_no_declaration;

bool IsText(pugi::xml_node node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

bool IsElementNamed(pugi::xml_node node, const std::string& utf8Name)
{
    return node.type() == pugi::node_element && utf8Name == node.name();
}

std::string Trim(const std::string& text)
{
    static const char* const blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// Plain ASCII texts are the same in both encodings: most texts are, and
// converting each one twice made loading a large catalogue slow.
bool IsAscii(const char* text)
{
    for (; *text; ++text)
        if (static_cast<unsigned char>(*text) >= 0x80)
            return false;
    return true;
}

// Collects what pugixml writes, so that it is turned into bytes in one
// piece rather than in buffer-sized chunks that may split a character.
class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, std::size_t size) override
    {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

// The program's documents are a few levels deep. A file nested far deeper
// is damaged or hostile: walking it recursively would overflow the stack,
// and its indented save would grow with the square of the depth.
constexpr int MaxDepth = 256;

// A character reference to a character Windows-1252 has no byte for (say
// "&#x4E2D;") is replaced by "?" right after parsing, so that what a getter
// answers is also what the next save writes; "&#8364;" simply stays the
// euro sign, byte 0x80. Walks without recursion; false when the
// document is nested deeper than MaxDepth.
bool NormaliseTexts(pugi::xml_node top)
{
    int depth = 1;
    pugi::xml_node node = top.first_child();
    while (node) {
        if (IsText(node) && !IsAscii(node.value())) {
            const std::string value = node.value();
            const std::string normal = Windows1252::ToUtf8(Windows1252::FromUtf8Lossy(value));
            if (normal != value)
                node.set_value(normal.c_str());
        }
        if (node.first_child()) {
            if (++depth > MaxDepth)
                return false;
            node = node.first_child();
            continue;
        }
        while (!node.next_sibling()) {
            node = node.parent();
            --depth;
            if (!node || node == top)
                return true;
        }
        node = node.next_sibling();
    }
    return true;
}

pugi::xml_node Resolve(pugi::xml_node from, const CXmlPfad& path)
{
    if (!from || path.IsEmpty())
        return pugi::xml_node();
    pugi::xml_node current = from;
    for (const auto& segment : path.Segments()) {
        const std::string name = Windows1252::ToUtf8(segment.name);
        pugi::xml_node found;
        int count = 0;
        for (pugi::xml_node child : current.children()) {
            if (!IsElementNamed(child, name))
                continue;
            if (count == segment.index) {
                found = child;
                break;
            }
            ++count;
        }
        if (!found)
            return pugi::xml_node();
        current = found;
    }
    return current;
}

} // namespace

CXmlDokument::CXmlDokument() : m_doc(std::make_unique<pugi::xml_document>()) {}

CXmlDokument::CXmlDokument(const std::string& text) : CXmlDokument()
{
    Parse(text);
}

CXmlDokument::~CXmlDokument() = default;

void CXmlDokument::Clear()
{
    m_doc->reset();
    ContentChanged();
}

bool CXmlDokument::Parse(const std::string& bytes)
{
    const bool ok = ParseBytes(bytes);
    ContentChanged();
    return ok;
}

bool CXmlDokument::ParseBytes(const std::string& bytes)
{
    try {
        m_doc->reset();
        // The bytes are Windows-1252 whatever the declaration says (the
        // program's own files declare ISO-8859-1 and still carry "\x80" for
        // the euro sign), so they are converted here and pugixml is told
        // the text is UTF-8.
        const std::string utf8 = Windows1252::ToUtf8(bytes);
        const pugi::xml_parse_result result =
            m_doc->load_buffer(utf8.data(), utf8.size(), ParseFlags, pugi::encoding_utf8);
        if (!result) {
            m_doc->reset();
            return false;
        }
        if (!NormaliseTexts(*m_doc)) {
            m_doc->reset();
            return false;
        }
        return true;
    } catch (const std::exception&) {
        m_doc->reset();
        return false;
    }
}

bool CXmlDokument::LoadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Clear();
        return false;
    }
    return LoadStream(in);
}

bool CXmlDokument::LoadStream(std::istream& in)
{
    std::string bytes;
    try {
        // In one piece from the stream's buffer, not character by character;
        // a stream that knows its length gets a buffer of that size at once.
        std::streambuf* buf = in.rdbuf();
        const auto here = buf ? buf->pubseekoff(0, std::ios::cur, std::ios::in) : std::streampos(-1);
        const auto end = buf ? buf->pubseekoff(0, std::ios::end, std::ios::in) : std::streampos(-1);
        if (here != std::streampos(-1) && end != std::streampos(-1) && end >= here
            && buf->pubseekpos(here, std::ios::in) == here) {
            bytes.resize(static_cast<std::size_t>(end - here));
            bytes.resize(static_cast<std::size_t>(buf->sgetn(bytes.data(), static_cast<std::streamsize>(bytes.size()))));
        } else if (buf) {
            std::ostringstream all;
            if (in.peek() != std::char_traits<char>::eof())
                all << buf;
            bytes = std::move(all).str();
        }
    } catch (const std::exception&) {
        Clear();
        return false;
    }
    if (in.bad()) {
        Clear();
        return false;
    }
    return Parse(bytes);
}

bool CXmlDokument::LoadStream(const std::string& bytes)
{
    return Parse(bytes);
}

bool CXmlDokument::SaveStream(std::ostream& out) const
{
    out << SavedBytes();
    return static_cast<bool>(out);
}

std::string CXmlDokument::SavedBytes() const
{
    StringWriter writer;
    m_doc->save(writer, "\t", SaveFlags, pugi::encoding_utf8);
    // Texts hold only characters with a byte; "?" is for the rare
    // attribute value that came in as a character reference.
    return std::string(Header) + '\n' + Windows1252::FromUtf8Lossy(writer.text);
}

bool CXmlDokument::SaveFile(const std::string& path) const
{
    // Replaced as a whole or not at all: a VAT-rate table cut short by a
    // full disk or a crash would otherwise load as no rates at all,
    // without a word.
    return CAtomicFile::Replace(path, SavedBytes());
}

CXmlElement CXmlDokument::Find(const std::string& path) const
{
    return Resolve(*m_doc, CXmlPfad(path));
}

CXmlElement CXmlDokument::Find(const std::string& path, CXmlElement start) const
{
    return Resolve(start, CXmlPfad(path));
}

CXmlElement CXmlDokument::Find(const CXmlPfad& path, CXmlElement start) const
{
    return Resolve(start, path);
}

CXmlElement CXmlDokument::GetRoot() const
{
    pugi::xml_node root;
    int count = 0;
    for (pugi::xml_node child : m_doc->children()) {
        if (child.type() == pugi::node_element) {
            root = child;
            ++count;
        }
    }
    return count == 1 ? root : pugi::xml_node();
}

int CXmlDokument::CountChildren(CXmlElement parent, const std::string& name)
{
    const std::string utf8 = Windows1252::ToUtf8(name);
    int count = 0;
    for (pugi::xml_node child : parent.children())
        if (IsElementNamed(child, utf8))
            ++count;
    return count;
}

CXmlElement CXmlDokument::AddChild(CXmlElement parent, const std::string& name)
{
    if (!parent || parent.type() != pugi::node_element || name.empty())
        return pugi::xml_node();
    // Blanks that were the parent's only content would turn into mixed
    // content next to the new element; they carry no value, so drop them.
    // Blank text between elements never survives parsing nor SetText (it
    // prepends), so a parent that starts and ends with an element has
    // none, and appending to a catalogue of 100,000 entries does not walk
    // all of them each time.
    const bool elementsOnly = parent.first_child().type() == pugi::node_element
                              && parent.last_child().type() == pugi::node_element;
    for (pugi::xml_node child = elementsOnly ? pugi::xml_node() : parent.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_pcdata && Trim(child.value()).empty())
            parent.remove_child(child);
        child = next;
    }
    return parent.append_child(Windows1252::ToUtf8(name).c_str());
}

CXmlElement CXmlDokument::AddChild(CXmlElement parent, const std::string& name,
                                   const std::string& text)
{
    CXmlElement element = AddChild(parent, name);
    if (element)
        SetText(element, text);
    return element;
}

bool CXmlDokument::RemoveAt(const std::string& path)
{
    CXmlElement element = Find(path);
    if (!element)
        return false;
    const bool removed = element.parent().remove_child(element);
    ContentChanged();
    return removed;
}

std::string CXmlDokument::GetText(CXmlElement element)
{
    std::string utf8;
    for (pugi::xml_node child : element.children())
        if (IsText(child))
            utf8 += child.value();
    return Windows1252::FromUtf8Lossy(utf8);
}

bool CXmlDokument::SetText(CXmlElement element, const std::string& text)
{
    if (!element || element.type() != pugi::node_element)
        return false;
    if (GetText(element) == text)
        return false;
    for (pugi::xml_node child = element.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (IsText(child))
            element.remove_child(child);
        child = next;
    }
    // An empty text is no text node at all, so that the element is written
    // the same way after a reload as before it.
    if (!text.empty())
        element.prepend_child(pugi::node_pcdata).set_value(Windows1252::ToUtf8(text).c_str());
    return true;
}

std::string CXmlDokument::GetName(CXmlElement element)
{
    return Windows1252::FromUtf8Lossy(element.name());
}

std::string CXmlDokument::ReadValue(CXmlElement element, const std::string& def) const
{
    return Trim(element ? GetText(element) : def);
}

// --- typed getters ----------------------------------------------------------

std::string CXmlDokument::GetString(const std::string& path, const std::string& def) const
{
    return ReadValue(Find(path), def);
}

int CXmlDokument::GetInt(const std::string& path, int def) const
{
    return TextToInt(ReadValue(Find(path), IntToText(def)));
}

double CXmlDokument::GetDouble(const std::string& path, double def) const
{
    return TextToDouble(ReadValue(Find(path), DoubleToText(def)));
}

CDatum CXmlDokument::GetDatum(const std::string& path, CDatum def) const
{
    return CDatum::FromXml(ReadValue(Find(path), def.ToXml()));
}

CBetrag CXmlDokument::GetBetrag(const std::string& path, CBetrag def) const
{
    return ParseBetrag(ReadValue(Find(path), FormatBetrag(def, 4, 0)));
}

bool CXmlDokument::GetBool(const std::string& path, bool def) const
{
    return TextToBool(ReadValue(Find(path), BoolToText(def)));
}

std::string CXmlDokument::GetString(CXmlElement start, const std::string& path,
                                    const std::string& def) const
{
    return ReadValue(Find(path, start), def);
}

int CXmlDokument::GetInt(CXmlElement start, const std::string& path, int def) const
{
    return TextToInt(ReadValue(Find(path, start), IntToText(def)));
}

double CXmlDokument::GetDouble(CXmlElement start, const std::string& path, double def) const
{
    return TextToDouble(ReadValue(Find(path, start), DoubleToText(def)));
}

CDatum CXmlDokument::GetDatum(CXmlElement start, const std::string& path, CDatum def) const
{
    return CDatum::FromXml(ReadValue(Find(path, start), def.ToXml()));
}

CBetrag CXmlDokument::GetBetrag(CXmlElement start, const std::string& path, CBetrag def) const
{
    return ParseBetrag(ReadValue(Find(path, start), FormatBetrag(def, 4, 0)));
}

bool CXmlDokument::GetBool(CXmlElement start, const std::string& path, bool def) const
{
    return TextToBool(ReadValue(Find(path, start), BoolToText(def)));
}

// --- typed setters ----------------------------------------------------------

bool CXmlDokument::SetString(const std::string& path, const std::string& value)
{
    return SetText(Find(path), value);
}

bool CXmlDokument::SetInt(const std::string& path, int value)
{
    return SetText(Find(path), IntToText(value));
}

bool CXmlDokument::SetDouble(const std::string& path, double value)
{
    return SetText(Find(path), DoubleToText(value));
}

bool CXmlDokument::SetDatum(const std::string& path, CDatum value)
{
    return SetText(Find(path), value.ToXml());
}

bool CXmlDokument::SetBetrag(const std::string& path, CBetrag value)
{
    return SetText(Find(path), FormatBetrag(value, 4, 0));
}

bool CXmlDokument::SetBool(const std::string& path, bool value)
{
    return SetText(Find(path), BoolToText(value));
}

bool CXmlDokument::SetString(CXmlElement start, const std::string& path, const std::string& value)
{
    return SetText(Find(path, start), value);
}

bool CXmlDokument::SetInt(CXmlElement start, const std::string& path, int value)
{
    return SetText(Find(path, start), IntToText(value));
}

bool CXmlDokument::SetDouble(CXmlElement start, const std::string& path, double value)
{
    return SetText(Find(path, start), DoubleToText(value));
}

bool CXmlDokument::SetDatum(CXmlElement start, const std::string& path, CDatum value)
{
    return SetText(Find(path, start), value.ToXml());
}

bool CXmlDokument::SetBetrag(CXmlElement start, const std::string& path, CBetrag value)
{
    return SetText(Find(path, start), FormatBetrag(value, 4, 0));
}

bool CXmlDokument::SetBool(CXmlElement start, const std::string& path, bool value)
{
    return SetText(Find(path, start), BoolToText(value));
}

// --- flags ------------------------------------------------------------------

bool CXmlDokument::GetFlag(CXmlElement parent, const std::string& name)
{
    const std::string utf8 = Windows1252::ToUtf8(name);
    for (pugi::xml_node child : parent.children())
        if (IsElementNamed(child, utf8))
            return true;
    return false;
}

bool CXmlDokument::SetFlag(CXmlElement parent, const std::string& name, bool on)
{
    if (!parent || parent.type() != pugi::node_element || name.empty())
        return false;
    if (on) {
        if (GetFlag(parent, name))
            return false;
        return static_cast<bool>(AddChild(parent, name));
    }
    const std::string utf8 = Windows1252::ToUtf8(name);
    bool removed = false;
    for (pugi::xml_node child = parent.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (IsElementNamed(child, utf8))
            removed = parent.remove_child(child) || removed;
        child = next;
    }
    return removed;
}

bool CXmlDokument::GetFlag(const std::string& parentPath, const std::string& name) const
{
    return GetFlag(Find(parentPath), name);
}

bool CXmlDokument::SetFlag(const std::string& parentPath, const std::string& name, bool on)
{
    return SetFlag(Find(parentPath), name, on);
}
