#pragma once
// The data grid of the result, economic and scenario windows: a table painted from rows the
// plain layers build (setRows, or appendRow for a grid that grows during a run) or filled a
// cell at a time, with two-line column headers, text columns and numeric columns whose
// cells keep their value and show it through a display mask, an optional row-number column,
// a background colour and boldness per cell, and a click signal giving (column, row).
// Cells are addressed column first, as the windows name them (ACol, ARow).

#include <QColor>
#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <span>
#include <string>
#include <vector>

class DataGrid : public QTableWidget {
    Q_OBJECT
  public:
    // Turns a cell's value into its displayed text.
    using Mask = std::function<QString(double)>;
    // Fixed notation with `decimals` decimals, the locale's decimal separator and no
    // grouping ("0.0" is fixedMask(1), "0.00" is fixedMask(2)).
    static Mask fixedMask(int decimals);

    explicit DataGrid(QWidget* parent = nullptr);

    // Appends a column; line2 may be empty. width < 0 keeps the default width.
    int addColumn(const QString& line1, const QString& line2 = {}, int width = -1);
    // A numeric column: its cells are set with setCellNumber and shown through the mask.
    void setColumnMask(int col, Mask mask);
    void setColumnAlignment(int col, Qt::Alignment alignment);
    // Writes a column's header anew (line2 may be empty).
    void setHeaderLines(int col, const QString& line1, const QString& line2 = {});
    QStringList headerLines(int col) const;
    // The header as one text, its lines joined by CR LF.
    QString headerCaption(int col) const;

    // Widens every column narrower than its header's lines (in the header's current font), so
    // no caption is cut; wider columns keep their width.
    void widenToHeaders();
    // The width that shows every column whole, with the frame and a vertical scroll bar.
    int widthForAllColumns() const;

    void setHeaderHeight(int pixels);
    void setRowHeight(int pixels);
    // The row-number column at the left (1, 2, ...); hidden by default.
    void setShowRowNumbers(bool show);

    // Read-only grid, column or row: a cell is editable only when none of the three is.
    void setReadOnly(bool readOnly);
    void setColumnReadOnly(int col, bool readOnly);
    void setRowReadOnly(int row, bool readOnly);
    bool isCellEditable(int col, int row) const;

    // Appends an empty row (texts empty, numbers 0) and returns its index.
    int addRow();
    void clearRows();

    // One row as setRows paints it: the cells' texts, column by column (cells past the last
    // text stay empty), and how the whole row stands out.
    struct Row {
        QStringList texts;
        // When given, one per text: the numbers the texts show, kept whole for cellNumber.
        std::vector<double> values;
        bool bold = false;
        QColor colour;  // the row's background; invalid leaves the grid's own
    };
    // Replaces every row by `rows`: nothing of the rows before stays (texts, numbers, colours,
    // boldness, selection).
    void setRows(const std::vector<Row>& rows);
    // Appends one row painted as setRows paints it and returns its index.
    int appendRow(const Row& row);

    // A row of the UTF-8 texts a plain layer built.
    static Row textRow(std::span<const std::string> texts);
    // Rows of texts, one per row a plain layer built.
    template <class Rows>
    static std::vector<Row> textRows(const Rows& rows) {
        std::vector<Row> out;
        out.reserve(std::size(rows));
        for (const auto& texts : rows) out.push_back(textRow(texts));
        return out;
    }
    // Rows of texts that show numbers: row r's texts and the values they stand for.
    template <class TextRows, class ValueRows>
    static std::vector<Row> numberRows(const TextRows& texts, const ValueRows& values) {
        std::vector<Row> out = textRows(texts);
        for (std::size_t r = 0; r < out.size() && r < std::size(values); ++r)
            out[r].values.assign(std::begin(values[r]), std::end(values[r]));
        return out;
    }

    void setCellText(int col, int row, const QString& text);
    QString cellText(int col, int row) const;
    // Numeric cells keep the exact value; the text shown is the column's mask of it.
    void setCellNumber(int col, int row, double value);
    double cellNumber(int col, int row) const;

    void setCellColour(int col, int row, const QColor& colour);
    QColor cellColour(int col, int row) const;
    void setRowColour(int row, const QColor& colour);
    void setAllCellsColour(const QColor& colour);
    void setCellBold(int col, int row, bool bold);
    bool isCellBold(int col, int row) const;
    void setRowBold(int row, bool bold);

  signals:
    void cellClick(int col, int row);

  private:
    struct ColumnInfo {
        QStringList lines;
        Mask mask;
        Qt::Alignment alignment = Qt::AlignCenter;
        bool readOnly = false;
    };

    QTableWidgetItem* cell(int col, int row) const;
    QString displayText(int col, double value) const;
    void applyFlags(int col, int row);
    void applyFlagsAll();
    void paintRow(int row, const Row& r);
    const ColumnInfo& column(int col) const { return columns_[static_cast<std::size_t>(col)]; }
    bool validColumn(int col) const { return col >= 0 && col < static_cast<int>(columns_.size()); }

    std::vector<ColumnInfo> columns_;
    std::vector<bool> rowReadOnly_;
    bool readOnly_ = false;
    bool settingCell_ = false;
};
