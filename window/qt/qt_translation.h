// Qt's own texts (context menus, standard buttons) in Bulgarian, like the rest
// of the window.
#pragma once

namespace dd {

// Loads Qt's Bulgarian translation from Qt's translations directory into the
// running application, whatever the user's locale. Returns whether it was
// found; without it Qt's texts stay English.
bool InstallQtTranslation();

}  // namespace dd
