// The user's own pipe series (a company's or a national series), kept in the user's data folder as
// pipe-series.json: read here by whatever lists them; 工具 → 管材表… writes them. A file that cannot be read is
// moved aside, never overwritten, and the user is told.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "calc/hydraulics/pipe_tables.h"

namespace vxr::app::userseries {

QString path();
// The series as kept; `told` gets what the user must hear (a file set aside), empty where nothing.
std::vector<calc::PipeSeries> load(QString* told = nullptr);
// The file's text for `series`.
QByteArray bytes(const std::vector<calc::PipeSeries>& series);

// Says when the series kept changed, to whatever lists them.
class Signal : public QObject {
    Q_OBJECT

signals:
    void changed();
};
Signal& signal();

}  // namespace vxr::app::userseries
