#pragma once
// CDialog: a window made from a dialog template. Modeless children (the
// pages) are made with Create; modal dialogs run with DoModal until EndDialog.
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/MessageMap.h"
#include "framework/Resources.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
  ~CDialog() override;

  UINT GetTemplateId() const { return m_nIDTemplate; }

  // Modeless: creates the window from the template as a child (or owned
  // window) of `parent`, runs OnInitDialog, and shows it if the template says so.
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);

  // Modal: creates the window, runs the display's modal loop until
  // EndDialog, destroys the window and returns the result. -1 when the
  // template cannot be found.
  virtual INT_PTR DoModal();
  void EndDialog(int result);
  bool IsModalRunning() const { return m_bModalRunning; }
  bool HasEnded() const { return m_bEnded; }
  int GetModalResult() const { return m_nModalResult; }  // what EndDialog was given

  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* pDX);
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void OnOK();
  virtual void OnCancel();

  BOOL OnCommand(int notification, int id) override;

 protected:
  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 private:
  BOOL CreateFromTemplate(const DialogTemplate& dialogTemplate, CWnd* parent, bool modal);
  bool m_bModalRunning = false;
  bool m_bEnded = false;
  int m_nModalResult = -1;
};

// The stack of running modal dialogs, innermost last.
const std::vector<CDialog*>& ModalDialogs();
