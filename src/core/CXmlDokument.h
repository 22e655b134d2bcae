#pragma once
// Every structured file of the program except the bookings (settings,
// receipt texts, company, countries, VAT rates) is one of these documents.
// Elements are addressed by paths with 0-based indices ("Laender/Land[2]/Name");
// values are read in typed form with a default and written without ever
// creating an element: only AddChild and SetFlag make new elements.
//
// Texts cross this interface as Windows-1252 bytes, like every text of the
// data model, and files hold the same bytes under an ISO-8859-1 declaration.
// Inside, pugixml keeps the UTF-8 form of those characters ("\x80" is the
// euro sign there too); the conversions in and out are Windows1252's.
#include "core/CBetrag.h"
#include "core/CDatum.h"
#include "core/CXmlPfad.h"

#include <pugixml.hpp>

#include <iosfwd>
#include <memory>
#include <string>

// An element handle; a default-constructed one means "none".
using CXmlElement = pugi::xml_node;

class CXmlDokument {
public:
    // The line written in front of every saved document.
    static const char* const Header;

    CXmlDokument();
    // Parses text (a template); a text that cannot be parsed leaves the
    // document empty.
    explicit CXmlDokument(const std::string& text);
    virtual ~CXmlDokument();
    CXmlDokument(const CXmlDokument&) = delete;
    CXmlDokument& operator=(const CXmlDokument&) = delete;

    // Each load replaces the whole content. On a parse error (or an
    // unreadable file) the document is left empty and false is returned.
    bool LoadFile(const std::string& path);
    bool LoadStream(std::istream& in);
    bool LoadStream(const std::string& bytes);

    // Writes Header, a line feed and the document. SaveFile replaces the file.
    bool SaveStream(std::ostream& out) const;
    bool SaveFile(const std::string& path) const;

    // The element at path (resolved from the document, or with the first
    // segment naming a child of start), or none.
    CXmlElement Find(const std::string& path) const;
    CXmlElement Find(const std::string& path, CXmlElement start) const;
    CXmlElement Find(const CXmlPfad& path, CXmlElement start) const;
    // The only top-level element, or none when there is not exactly one.
    CXmlElement GetRoot() const;
    static int CountChildren(CXmlElement parent, const std::string& name);
    // Appends an element as the last child of parent; none when parent is
    // none or name is empty.
    static CXmlElement AddChild(CXmlElement parent, const std::string& name);
    static CXmlElement AddChild(CXmlElement parent, const std::string& name,
                                const std::string& text);
    // Removes the element at path from its parent; false when there is none.
    bool RemoveAt(const std::string& path);

    // Text content of an element (its text children joined), untrimmed.
    static std::string GetText(CXmlElement element);
    // Replaces the text content; false when element is none or the text
    // was already the same.
    static bool SetText(CXmlElement element, const std::string& text);
    static std::string GetName(CXmlElement element);

    // Typed getters: a missing element answers the default, passed through
    // the same text form as a stored value (a date default becomes its local
    // midnight, an amount keeps four decimals, strings are trimmed).
    std::string GetString(const std::string& path, const std::string& def = std::string()) const;
    int GetInt(const std::string& path, int def = 0) const;
    double GetDouble(const std::string& path, double def = 0.0) const;
    CDatum GetDatum(const std::string& path, CDatum def = CDatum()) const;
    CBetrag GetBetrag(const std::string& path, CBetrag def = CBetrag()) const;
    bool GetBool(const std::string& path, bool def = false) const;

    std::string GetString(CXmlElement start, const std::string& path,
                          const std::string& def = std::string()) const;
    int GetInt(CXmlElement start, const std::string& path, int def = 0) const;
    double GetDouble(CXmlElement start, const std::string& path, double def = 0.0) const;
    CDatum GetDatum(CXmlElement start, const std::string& path, CDatum def = CDatum()) const;
    CBetrag GetBetrag(CXmlElement start, const std::string& path, CBetrag def = CBetrag()) const;
    bool GetBool(CXmlElement start, const std::string& path, bool def = false) const;

    // Typed setters never create an element: they return true only when the
    // element exists and its text really changed.
    bool SetString(const std::string& path, const std::string& value);
    bool SetInt(const std::string& path, int value);
    bool SetDouble(const std::string& path, double value);
    bool SetDatum(const std::string& path, CDatum value);
    bool SetBetrag(const std::string& path, CBetrag value);
    bool SetBool(const std::string& path, bool value);

    bool SetString(CXmlElement start, const std::string& path, const std::string& value);
    bool SetInt(CXmlElement start, const std::string& path, int value);
    bool SetDouble(CXmlElement start, const std::string& path, double value);
    bool SetDatum(CXmlElement start, const std::string& path, CDatum value);
    bool SetBetrag(CXmlElement start, const std::string& path, CBetrag value);
    bool SetBool(CXmlElement start, const std::string& path, bool value);

    // A flag is the presence of an (empty) child element named name.
    // Setting it true adds one if there is none; false removes every such
    // child. Returns whether the document changed.
    static bool GetFlag(CXmlElement parent, const std::string& name);
    static bool SetFlag(CXmlElement parent, const std::string& name, bool on);
    bool GetFlag(const std::string& parentPath, const std::string& name) const;
    bool SetFlag(const std::string& parentPath, const std::string& name, bool on);

protected:
    // Removes all content.
    void Clear();
    // Called after the content was replaced (a load, Clear) or an element
    // removed by path, so that a derived document can drop what it keeps
    // about its elements.
    virtual void ContentChanged() {}

private:
    bool Parse(const std::string& bytes);
    bool ParseBytes(const std::string& bytes);
    // Header, a line feed and the document, as the file holds them.
    std::string SavedBytes() const;
    std::string ReadValue(CXmlElement element, const std::string& def) const;

    std::unique_ptr<pugi::xml_document> m_doc;
};
