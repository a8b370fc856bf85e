// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HostToolbar.h"

#include "controls/ui/ToolBarOverflow.h"
#include "host_window/cToolBar.h"
#include "host_window/mCommands.h"
#include "host_window/mLateBound.h"
#include "support/Failure.h"
#include "support/LateBinding.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

namespace {

// A tool of the toolbar in use: its identifier and the handle of the window it belongs to.
QString toolId(const QAction* tool) {
    return tool->objectName();
}

qint32 toolTag(const QAction* tool) {
    return tool->data().toInt();
}

// The tools whose tip says what they act on, and the property that keeps their own tip.
bool describesOutput(const QString& id) {
    return id == QLatin1String("ID_PRINT") || id == QLatin1String("ID_PREVIEW") ||
           id == QLatin1String("OPEN_IN_MS_WORD");
}
constexpr const char* kOwnTip = "lcOwnToolTip";
// The tip this toolbar gave a tool last: another tip there is the host's own again (set anew,
// for one, in another language).
constexpr const char* kShownTip = "lcShownToolTip";

} // namespace

HostToolbar::HostToolbar(QMainWindow& window, Command command)
    : m_window(window), m_command(std::move(command)) {
    m_own = new QToolBar(&window);
    m_own->setObjectName(QStringLiteral("SSActiveToolBars1"));
    m_own->setMovable(false);
    m_own->setFloatable(false);
    ToolBarOverflow::name(m_own);
    for (const mCommands::Tool& t : mCommands::windowTools()) {
        QAction* tool = m_own->addAction(QIcon::fromTheme(QLatin1String(t.theme)), QString());
        tool->setObjectName(QLatin1String(t.id));
    }
    retranslate();
    window.addToolBar(Qt::TopToolBarArea, m_own);
    m_own->hide();
}

void HostToolbar::retranslate() {
    m_own->setWindowTitle(QObject::tr("Commands"));
    for (const mCommands::Tool& t : mCommands::windowTools()) {
        if (QAction* tool = m_own->findChild<QAction*>(QLatin1String(t.id))) {
            tool->setText(QObject::tr(t.text));
            tool->setToolTip(QObject::tr(t.text));
        }
    }
    showOutput();
}

void HostToolbar::use(QObject* toolbar) {
    if (auto* old = qobject_cast<QToolBar*>(m_inUse.data()))
        QObject::disconnect(old, &QToolBar::actionTriggered, &m_window, nullptr);
    m_inUse = toolbar;
    if (auto* bar = qobject_cast<QToolBar*>(toolbar)) {
        QObject::connect(bar, &QToolBar::actionTriggered, &m_window, [this](QAction* tool) {
            ui().setWaitCursor();
            m_command(toolId(tool));
            ui().setDefaultCursor();
        });
    }
    // The window shows its own tools only while they are the ones in use.
    m_own->setVisible(toolbar && toolbar == m_own);
    showOutput();
}

std::unique_ptr<cToolBar> HostToolbar::start(qint32 handle, qint32 user, qint32 version) {
    m_handle = handle;
    for (QAction* tool : m_own->actions())
        tool->setData(handle);
    if (!m_inUse)
        use(m_own);
    auto record = std::make_unique<cToolBar>();
    record->setPUser(user);
    record->setPVersion(version);
    record->setPhWnd(handle);
    record->setPToolBar(m_inUse);
    record->mInitialize();
    return record;
}

void HostToolbar::enableOwnTools(bool enable) {
    auto* bar = qobject_cast<QToolBar*>(m_inUse.data());
    if (!bar)
        return;
    for (QAction* tool : bar->actions())
        if (toolTag(tool) == m_handle && m_handle != 0)
            tool->setEnabled(enable);
}

void HostToolbar::attach(QObject* notify) {
    if (!notify)
        return;
    const QVariant param = mLateBound::property(notify, "pParam");
    QObject* object = LateBinding::objectOf(param);
    if (object && (object->inherits("SSActiveToolBars") ||
                   object->property("TypeName").toString() == QLatin1String("SSActiveToolBars"))) {
        // A toolbar whose tools the window cannot reach would leave them dead without a word.
        if (!qobject_cast<QToolBar*>(object))
            throw Failure::typeMismatch(
                QStringLiteral("the host's SSActiveToolBars is not a QToolBar"));
        use(object);
    }
    enableOwnTools(true);
    showOutput();
}

void HostToolbar::setCommandStatus(bool dayPagePending) {
    auto* bar = qobject_cast<QToolBar*>(m_inUse.data());
    if (!bar)
        return;
    for (QAction* tool : bar->actions()) {
        switch (mCommands::statusOf(toolId(tool))) {
        case mCommands::Status::Enable:
            tool->setEnabled(true);
            break;
        case mCommands::Status::Disable:
            tool->setEnabled(false);
            break;
        case mCommands::Status::EnableWhenDayPage:
            tool->setEnabled(dayPagePending);
            break;
        case mCommands::Status::Untouched:
            break;
        }
    }
}

void HostToolbar::free() {
    // Failing steps are skipped, not reported.
    enableOwnTools(false);
    use(nullptr);
}

void HostToolbar::describeOutput(const QString& text) {
    m_output = text;
    showOutput();
}

void HostToolbar::showOutput() {
    auto* bar = qobject_cast<QToolBar*>(m_inUse.data());
    if (!bar || m_output.isEmpty() || m_handle == 0)
        return;
    for (QAction* tool : bar->actions()) {
        if (toolTag(tool) != m_handle || !describesOutput(toolId(tool)))
            continue;
        if (!tool->property(kOwnTip).isValid() ||
            tool->toolTip() != tool->property(kShownTip).toString())
            tool->setProperty(kOwnTip, tool->toolTip());
        const QString tip = tool->property(kOwnTip).toString() + QStringLiteral(": ") + m_output;
        tool->setToolTip(tip);
        tool->setProperty(kShownTip, tip);
    }
}
