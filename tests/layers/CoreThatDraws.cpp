// Not built: the layer check's own test hands it over as a core file, which
// the check must refuse, for it includes a QtGui header.
#include <QImage>
