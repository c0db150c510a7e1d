// The 单位换算 page: one value written in every unit of a quantity at once, and in a unit expression of the user's
// own, refreshed as the user types (calc/units on UDUNITS-2). No 计算 button and no sheet: nothing is calculated
// that a user would need to explain. The unit database is read when the page is first opened, right after it shows.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "app/pages/page.h"
#include "calc/units/conversion.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace vxr::app {

class UnitPage : public Page {
    Q_OBJECT

public:
    explicit UnitPage(const PageInfo& info, QWidget* parent = nullptr);

    // The quantity and unit chosen (by their captions) and the three texts typed.
    PageState state() const override;
    void restore(const PageState& state) override;

private:
    void load();                     // reads the unit database once and fills the quantities
    void chooseQuantity(int index);  // the quantity's units into the combo box (its default chosen) and the table
    void refresh();                  // every value and the expression's, from the texts as they stand
    void setStatus(const QString& text);

    // Chooses the quantity and unit named in `state` in the combo boxes, once the database is read.
    void chooseNamed();

    bool tried_ = false;
    QString quantity_name_, unit_name_;  // the choice to show, until the database is read
    QWidget* inputs_ = nullptr;          // the frames greyed when the database cannot be read
    QWidget* own_ = nullptr;
    const calc::units::Database* database_ = nullptr;
    std::vector<std::unique_ptr<calc::units::QuantityTable>> tables_;  // made on first choice of each quantity
    const calc::units::QuantityTable* table_ = nullptr;
    QComboBox* quantity_ = nullptr;
    QLineEdit* value_ = nullptr;
    QComboBox* from_ = nullptr;
    QLineEdit* atmosphere_ = nullptr;
    QTableWidget* cells_ = nullptr;
    QLineEdit* expression_ = nullptr;
    QLineEdit* expressed_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace vxr::app
