#pragma once
// Shared set-up of the cash-book tests: a temporary folder, a recording
// message sink and ready-made member contents.
#include "core/CBelegtexte.h"
#include "core/CBinStream.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "storage/CKassenbuch.h"

#include "RecordingMessages.h"
#include "TempFolder.h"
#include "TestArchive.h"

#include <gtest/gtest.h>

#include <sstream>

inline std::string JournalBytes(const CBuchungen& journal)
{
    CBinStream stream;
    journal.Write(stream);
    return stream.Bytes();
}

template <class Doc>
std::string XmlBytes(const Doc& doc)
{
    std::ostringstream out;
    doc.SaveStream(out);
    return out.str();
}

// A small journal with Windows-1252 texts, a split booking and amounts on
// both sides.
inline void FillJournal(CBuchungen& journal)
{
    int i = journal.AddItem();
    journal.GetItem(i).Datum = CDatum::FromYMD(2024, 3, 31);
    journal.SetNotiz(i, "B\xFC" "robedarf f\xFCr M\xE4rz");
    journal.SetRgNr(i, "RG-17");
    int j = journal.AddLine(i);
    journal.GetItem(i, j).Bezeichnung = "Porto";
    journal.GetItem(i, j).Ausgabe = CBetrag(12345);
    journal.GetItem(i, j).UStID = 100;

    i = journal.AddItem();
    journal.GetItem(i).Datum = CDatum::FromYMD(2024, 2, 29);
    journal.GetItem(i).Aufteilung = true;
    for (int k = 0; k < 3; ++k) {
        j = journal.AddLine(i);
        journal.GetItem(i, j).Bezeichnung = "Verkauf \x80";
        journal.GetItem(i, j).Notiz = std::string(k, '\xDF');
        journal.GetItem(i, j).Einnahme = CBetrag(10000 * (k + 1));
        journal.GetItem(i, j).UStID = 200;
    }
}

class KassenbuchTest : public ::testing::Test {
protected:
    // Writes an archive whose members are the given (name, bytes) pairs.
    void MakeArchive(const std::filesystem::path& path,
                     const std::vector<std::pair<std::string, std::string>>& members)
    {
        TestArchive archive(path);
        for (const auto& [name, bytes] : members)
            archive.Add(name, bytes);
    }
    std::string EmptyJournal() const { return JournalBytes(CBuchungen()); }
    std::string DefaultCatalogue() const { return XmlBytes(CBelegtexte()); }
    std::string BlankCompany() const { return XmlBytes(CFirma()); }

    // Opens `path` in a fresh document and returns the unshown reason when
    // it fails (empty on success).
    std::string OpenFailure(const std::filesystem::path& path)
    {
        CKassenbuch book(messages);
        if (book.Open(path.string()))
            return std::string();
        EXPECT_FALSE(book.IsValid());
        return book.LastError();
    }

    TempFolder dir;
    RecordingMessages messages;
};
