#include "editor/wx/editor_app.h"

wxIMPLEMENT_APP(EditorApp);
