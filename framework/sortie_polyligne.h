// Polyline output, point by point: a 3D polyline (arcs turned into points) or
// a 2D one (vertices with bulge and width). Points go through sortPoint()
// while the polyline is open.
#pragma once

namespace framework {

// Fails, with a message, while a polyline is open.
bool commencePolyligne(bool fermee, bool en3D);
// Writes the SEQEND. Fails when none is open, or when the host refused one of
// the polyline's entities.
bool terminePolyligne();
bool polyligneOuverte();

// A 3D polyline: the arc between the previous point and the next one; used
// once. A 2D polyline: the bulge of the vertices that follow.
void changeRenflement(double renflement);
// Width of the 2D vertices that follow, at both their ends.
void changeLargeur(double largeur);

// While on, a polyline's header, vertices and SEQEND are held back and made
// together, as one entity, when it ends. Taken into account at the polyline's start.
void retiensEntites(bool actif);

}  // namespace framework
