#include "app/HalvekApp.h"

wxIMPLEMENT_APP(CHalvekApp);
