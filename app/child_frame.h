// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// CChildFrame: a document window holding one view. It opens at 384 x 403, has no maximize
// button and is never made larger; made smaller, it clips the view.
#include <QMdiSubWindow>

class CKivaDoc;
class CKivaView;

class CChildFrame final : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr QSize kFrameSize{384, 403};

    CChildFrame(CKivaDoc& document, CKivaView* view);
    ~CChildFrame() override;

    // The document size, which Window > Cascade gives every window.
    QSize sizeHint() const override { return kFrameSize; }

    CKivaDoc& Document() const { return document_; }
    CKivaView* View() const { return view_; }
    // Fitted to the window, the picture lets the frame grow and maximize; fixed, the frame
    // returns to its own size.
    void SetFitWindow(bool fit);

    // The document's title, numbered ":1", ":2", ... while the document has several windows.
    QString FrameTitle() const;

private:
    void UpdateTitle();

    CKivaDoc& document_;
    CKivaView* view_;
};
