#pragma once
// What every grid cell holds, whatever its kind: the text (Windows-1252
// bytes), format bits, a 32-bit data value for the caller's own use, the
// background and text colour (invalid = the grid's default) and the state
// bits. The kinds derive from it and add their own value: a tick, an
// amount, an option list. Cells are plain values; the grid's model owns
// them and the view draws them, so a cell never is a widget.
#include <QColor>

#include <cstdint>
#include <memory>
#include <string>

enum class GridCellKind { Text, Combo, Check, Decimal, Numeric };

class CGridCellBase {
public:
    virtual ~CGridCellBase() = default;

    virtual GridCellKind GetKind() const = 0;
    // An empty cell of the given kind.
    static std::unique_ptr<CGridCellBase> Create(GridCellKind kind);

    const std::string& GetText() const { return m_text; }
    // Kinds with a value of their own keep it in step with the text.
    virtual void SetText(const std::string& text) { m_text = text; }

    // A cell without a format of its own shows its default cell's format.
    bool HasFormat() const { return m_hasFormat; }
    unsigned GetFormat() const { return m_format; }
    void SetFormat(unsigned format)
    {
        m_format = format;
        m_hasFormat = true;
    }

    std::int32_t GetData() const { return m_data; }
    void SetData(std::int32_t data) { m_data = data; }

    const QColor& GetBackClr() const { return m_back; }
    void SetBackClr(const QColor& colour) { m_back = colour; }
    const QColor& GetTextClr() const { return m_fore; }
    void SetTextClr(const QColor& colour) { m_fore = colour; }

    unsigned GetState() const { return m_state; }
    void SetState(unsigned state) { m_state = state; }

    // Set while an in-cell editor is open on the cell.
    bool IsEditing() const { return m_editing; }
    void OnBeginEdit() { m_editing = true; }
    virtual void OnEndEdit() { m_editing = false; }

    // Takes over text, format, data value, colours and state of another
    // cell: changing a cell's kind keeps what it shows.
    void TakeContent(const CGridCellBase& other);
    // Exchanges text, format, data value and state with another cell;
    // kind, colours and the kind's own extras stay where they are.
    void SwapContent(CGridCellBase& other);

protected:
    CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = default;
    CGridCellBase& operator=(const CGridCellBase&) = default;

private:
    std::string m_text;
    unsigned m_format = 0;
    bool m_hasFormat = false;
    bool m_editing = false;
    std::int32_t m_data = 0;
    unsigned m_state = 0;
    QColor m_back;
    QColor m_fore;
};
