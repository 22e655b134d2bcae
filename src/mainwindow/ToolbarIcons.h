#pragma once
// The pictures of the toolbar buttons (and of the menu items that share
// their actions): the style's standard icons where one fits, small drawn
// glyphs for the rest, so the bar looks complete without image files.
#include <QIcon>

enum class ToolbarIcon {
    New, Open, Save, Report, Statistics, Export, Company, ReceiptTexts, Exit,
    Today, Previous, Next,
};

QIcon MakeToolbarIcon(ToolbarIcon which);
