#pragma once
// The court-change editor's grid as a plain table of texts, with the current cell and the prompt
// the editor shows (empty: hidden).

#include "core/reports/court_editor.h"

#include <string>
#include <string_view>
#include <vector>

class TableGrid : public EditorGrid {
public:
    std::string CellText(int col, int row) const override {
        if (row < 0 || row >= static_cast<int>(Rows.size())) return {};
        const auto& cells = Rows[row];
        return col >= 0 && col < static_cast<int>(cells.size()) ? cells[col] : std::string();
    }
    void SetCellText(int col, int row, const std::string& text) override {
        auto& cells = Rows.at(row);
        if (static_cast<int>(cells.size()) <= col) cells.resize(col + 1);
        cells[col] = text;
    }
    int CurrentColumn() const override { return Col; }
    int CurrentRow() const override { return Row; }
    void ShowPrompt(std::string_view text) override { Prompt = std::string(text); }
    void HidePrompt() override { Prompt.clear(); }

    std::vector<std::vector<std::string>> Rows;
    int Col = 0, Row = 0;
    std::string Prompt;
};
