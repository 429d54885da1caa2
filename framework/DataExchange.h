#pragma once
// Data exchange: binds control members to the dialog's controls by id.
class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CWnd* m_pDlgWnd;
  bool m_bSaveAndValidate;
};

// Attaches `control` to the dialog's child window `id` (once); a missing id is
// reported on stderr and leaves the control unattached.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
