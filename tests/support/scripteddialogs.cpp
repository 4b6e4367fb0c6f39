#include "support/scripteddialogs.h"

namespace {

QString KindName(ScriptedDialogs::Kind kind)
{
    switch (kind) {
    case ScriptedDialogs::Kind::Message:
        return QStringLiteral("message");
    case ScriptedDialogs::Kind::Question:
        return QStringLiteral("question");
    case ScriptedDialogs::Kind::Open:
        return QStringLiteral("open dialog");
    case ScriptedDialogs::Kind::Save:
        return QStringLiteral("save dialog");
    }
    return QString();
}

QString Quote(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

ScriptedDialogs::ScriptedDialogs()
{
    platform::SetDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    platform::SetDialogs(nullptr);
}

ScriptedDialogs &ScriptedDialogs::ExpectMessage(const QString &text, const QString &title)
{
    m_steps.enqueue({Kind::Message, text, title, false, QString(), {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::ExpectQuestion(const QString &text, bool yes)
{
    m_steps.enqueue({Kind::Question, text, platform::kQuestionTitle, yes, QString(), {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::ExpectQuestionFirst(const QString &text, bool yes)
{
    m_steps.prepend({Kind::Question, text, platform::kQuestionTitle, yes, QString(), {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::ExpectOpen(const QString &title, const QString &path)
{
    m_steps.enqueue({Kind::Open, QString(), title, false, path, {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::ExpectSave(const QString &title, const QString &path)
{
    m_steps.enqueue({Kind::Save, QString(), title, false, path, {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::During(std::function<void()> action)
{
    if (!m_steps.isEmpty())
        m_steps.last().during = std::move(action);
    return *this;
}

const ScriptedDialogs::Step *ScriptedDialogs::Take(Kind kind, const QString &text, const QString &title)
{
    const QString seen = KindName(kind) + QStringLiteral(": ") + Quote(kind == Kind::Open || kind == Kind::Save ? title : text);
    m_shown << seen;
    if (m_steps.isEmpty()) {
        m_problems << QStringLiteral("unexpected ") + seen;
        return nullptr;
    }
    m_current = m_steps.dequeue();
    const bool fileDialog = kind == Kind::Open || kind == Kind::Save;
    if (m_current.kind != kind || (!fileDialog && m_current.text != text) || m_current.title != title) {
        m_problems << QStringLiteral("expected %1: %2 (title %3), got %4 (title %5)")
                          .arg(KindName(m_current.kind), Quote(m_current.text), Quote(m_current.title), seen,
                               Quote(title));
        return nullptr;
    }
    if (m_current.during)
        m_current.during();
    return &m_current;
}

void ScriptedDialogs::message(const QString &text, const QString &title)
{
    Take(Kind::Message, text, title);
}

bool ScriptedDialogs::askYesNo(const QString &text)
{
    const Step *step = Take(Kind::Question, text, platform::kQuestionTitle);
    return step && step->yes;
}

QString ScriptedDialogs::openFileName(const QString &title)
{
    const Step *step = Take(Kind::Open, QString(), title);
    const QString path = step ? step->path : QString();
    if (!path.isEmpty())
        setFileName(path);
    return path;
}

QString ScriptedDialogs::saveFileName(const QString &title)
{
    const Step *step = Take(Kind::Save, QString(), title);
    const QString path = step ? step->path : QString();
    if (!path.isEmpty())
        setFileName(path);
    return path;
}

QStringList ScriptedDialogs::Problems() const
{
    QStringList problems = m_problems;
    for (const Step &step : m_steps)
        problems << QStringLiteral("expected but never shown: %1 %2").arg(KindName(step.kind), Quote(step.text + step.title));
    return problems;
}

void ScriptedDialogs::Clear()
{
    m_steps.clear();
    m_problems.clear();
    m_shown.clear();
}
