#include "CBaseFormView.h"
