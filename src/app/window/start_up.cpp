#include "app/window/start_up.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSocketNotifier>
#include <QVBoxLayout>
#include <array>
#include <csignal>

#include "app/case/case_file.h"
#include "app/case/session.h"
#include "app/kit/messages.h"
#include "app/kit/screen.h"
#include "app/kit/settings.h"
#include "app/window/main_window.h"

namespace vxr::app {
namespace {

enum class Choice { Restore, Discard, Later };

// 恢复 / 放弃 / 以后再说 for each session offered, 以后再说 to start with; at most one is restored into this window.
// Esc keeps them all for later.
std::vector<Choice> askAbout(QWidget* parent, const std::vector<const Orphan*>& offered) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("sessionsDialog"));
    dialog.setWindowTitle(QStringLiteral("未保存的工作"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("以下窗口关闭或中断时有未保存到工程文件的工作。恢复其中一项到本窗口，"
                                                "放弃的删除，以后再说的下次启动时再列出："),
                                 &dialog));
    auto* grid = new QGridLayout;
    std::vector<std::array<QRadioButton*, 3>> rows;
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const casefile::Document& d = *offered[i]->reading.document;
        const QString name = d.file.isEmpty() ? QStringLiteral("未命名") : QFileInfo(d.file).fileName();
        const QString when = QFileInfo(offered[i]->file).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        auto* label = new QLabel(QStringLiteral("%1（%2）").arg(name, when), &dialog);
        label->setToolTip(QDir::toNativeSeparators(d.file.isEmpty() ? offered[i]->file : d.file));
        const int row = static_cast<int>(i);
        grid->addWidget(label, row, 0);
        auto* group = new QButtonGroup(&dialog);
        std::array<QRadioButton*, 3> buttons{};
        const char* captions[] = {"恢复", "放弃", "以后再说"};
        const char* names[] = {"sessionRestore", "sessionDiscard", "sessionLater"};
        for (int c = 0; c < 3; ++c) {
            buttons[c] = new QRadioButton(QString::fromUtf8(captions[c]), &dialog);
            buttons[c]->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(names[c])).arg(i + 1));
            group->addButton(buttons[c]);
            grid->addWidget(buttons[c], row, c + 1);
        }
        buttons[2]->setChecked(true);
        rows.push_back(buttons);
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        QObject::connect(rows[i][0], &QRadioButton::toggled, &dialog, [&rows, i](bool on) {
            if (!on) return;
            for (std::size_t j = 0; j < rows.size(); ++j)
                if (j != i && rows[j][0]->isChecked()) rows[j][2]->setChecked(true);
        });
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("sessionsOk"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    fitToScreen(&dialog, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    std::vector<Choice> choices;
    for (const auto& row : rows)
        choices.push_back(!accepted             ? Choice::Later
                          : row[0]->isChecked() ? Choice::Restore
                          : row[1]->isChecked() ? Choice::Discard
                                                : Choice::Later);
    return choices;
}

int g_terminate[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_terminate[1], &byte, 1);
}

}  // namespace

void startUp(MainWindow& window, const QStringList& files) {
    std::vector<Orphan> orphans = Session::orphans();
    QStringList aside;
    std::vector<const Orphan*> offered;
    for (const Orphan& orphan : orphans) {
        if (!orphan.reading.document) {
            const QString moved = Session::setAside(
                orphan, orphan.reading.newer ? QStringLiteral("较新版本") : QStringLiteral("无法读取"));
            aside << (moved.isEmpty()
                          ? QStringLiteral("%1（%2无法移开，留在原处）")
                                .arg(QDir::toNativeSeparators(orphan.file), orphan.reading.error)
                          : QStringLiteral("%1（%2）").arg(QDir::toNativeSeparators(moved), orphan.reading.error));
        } else if (!orphan.reading.document->unsaved) {
            Session::discard(orphan);  // all of it is in its case file
        } else {
            offered.push_back(&orphan);
        }
    }
    if (!aside.isEmpty())
        showMessage(&window, kAppTitle,
                    QStringLiteral("上次的恢复信息无法读取，已移到一旁，未被覆盖：\n") +
                        aside.mid(0, kMostListed).join(QLatin1Char('\n')) +
                        (aside.size() > kMostListed ? QStringLiteral("\n等共 %1 项").arg(aside.size()) : QString()));

    const Orphan* restore = nullptr;
    if (offered.size() == 1 && settings::restoreSession()) {
        restore = offered.front();
    } else if (!offered.empty()) {
        const std::vector<Choice> choices = askAbout(&window, offered);
        for (std::size_t i = 0; i < offered.size(); ++i) {
            if (choices[i] == Choice::Restore) restore = offered[i];
            if (choices[i] == Choice::Discard) Session::discard(*offered[i]);
        }
    }
    if (restore) {
        window.restoreSession(*restore->reading.document);
        window.session()->adopt(*restore);
    }
    for (const QString& file : files) window.openFile(file);
}

void closeOnTerminate(QWidget& window) {
    if (g_terminate[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_terminate) != 0) return;
    auto* notifier = new QSocketNotifier(g_terminate[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(g_terminate[0], &byte, 1);
        window.close();
    });
    struct sigaction action {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace vxr::app
