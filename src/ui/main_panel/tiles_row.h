#pragma once

#include <QWidget>

#include "ui/main_panel/panel_context.h"

namespace joyvane::ui {

class SymbolButton;

// The doors to the Button Mapping and Advanced windows.
class TilesRow : public QWidget {
    Q_OBJECT
  public:
    TilesRow(const PanelContext& context, const PanelActions& actions, QWidget* parent = nullptr);

    void refresh(bool hebrew);

    SymbolButton* mappingTile() const { return mapping_; }
    SymbolButton* advancedTile() const { return advanced_; }

  private:
    void openMapping();

    const PanelContext& context_;
    const PanelActions& actions_;
    SymbolButton* mapping_;
    SymbolButton* advanced_;
};

}  // namespace joyvane::ui
