// 工具 → 水和水蒸气物性… (F4): a modeless dialog that stays open while the pages change. The user picks a mode,
// types a temperature, a pressure (kPa or MPa, absolute) or a dryness, and reads every property in a table that
// refreshes as one types (calc/properties/lookup.h); a state the equations refuse is said in the status line.
// 填入本页 fills the current page's property inputs (calc/properties/fill.h), each with its source for the sheet;
// 撤销填入 puts back what the last fill replaced, where the filled text still stands.
#pragma once

#include <QDialog>
#include <QPointer>
#include <optional>
#include <string>
#include <vector>

#include "app/pages/calc_page.h"
#include "calc/properties/lookup.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vxr::app {

class TabControl;

class WaterSteamDialog : public QDialog {
    Q_OBJECT

public:
    WaterSteamDialog(TabControl* tabs, QWidget* parent);

    // The dialog's texts and choices as the core reads them.
    calc::water::Typed typed() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseMode();          // which inputs the mode reads, and its hint
    void choosePressureUnit();  // the pressure typed, converted to the unit chosen
    void refresh();             // the table and the status line from the texts as they stand
    void fill();
    void undo();
    void setStatus(const QString& text, bool refusal);

    TabControl* tabs_;
    QComboBox* mode_ = nullptr;
    QLineEdit* temperature_ = nullptr;
    QLineEdit* pressure_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLineEdit* dryness_ = nullptr;
    QComboBox* phase_ = nullptr;
    QLabel* hint_ = nullptr;
    QTableWidget* cells_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* fill_ = nullptr;
    QPushButton* undo_ = nullptr;
    int unit_shown_ = 0;  // the pressure unit the typed text is in

    // What the last fill replaced on its page: per input, the text and source before and the text filled.
    struct Replaced {
        std::string field;
        QString before;
        std::optional<Filled> before_source;
        QString filled;
    };
    QPointer<CalcPage> filled_page_;
    std::vector<Replaced> replaced_;
};

}  // namespace vxr::app
