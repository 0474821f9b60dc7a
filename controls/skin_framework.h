#pragma once

#include "user_control.h"
#include "win32/dispatch.h"

// The window's skinning control: invisible at run time, and driven late-bound through its
// dispatch interface. A skin is a Qt style sheet in a file; applying it to a window draws that
// window and its controls with it.
class SkinFramework final : public UserControl, public Dispatch
{
public:
    // Its members, by dispatch identifier.
    static constexpr DISPID kLoadSkin = 2;    // method (path, section): reads and checks a skin
    static constexpr DISPID kApplyWindow = 3; // method (window handle): draws that window with it
    // Settings kept for callers, as 32-bit flags and two switches. This engine reads none of
    // them: a style sheet says all there is to say about a look.
    static constexpr DISPID kFlags = 1;
    static constexpr DISPID kSetting5 = 5;
    static constexpr DISPID kSetting10 = 10;

    // A skin file larger than this is not a style sheet anyone wrote.
    static constexpr qint64 kMaxSkinBytes = 1 << 20;

    explicit SkinFramework(QWidget *parent) : UserControl(parent) {}

    DispatchResult Invoke(DISPID member, DispatchKind kind,
                          const QVariantList &arguments = {}) override;

    // Why `sheet` cannot be a style sheet (braces that do not pair, a comment or quoted text
    // left open, a NUL), with its line; empty when nothing is wrong.
    static QString styleSheetProblem(QStringView sheet);

private:
    DispatchResult loadSkin(const QString &path);
    DispatchResult applyWindow(qint32 handle) const;

    QString m_sheet;
    bool m_loaded = false;
    qint32 m_flags = 0;
    bool m_setting5 = false;
    bool m_setting10 = false;
};
