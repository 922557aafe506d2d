// The binary mesh stream, little-endian: version 1, the counts of points,
// segments and triangles (32-bit), each point's x, y, z (64-bit IEEE), each
// segment's two point numbers and each triangle's three (32-bit).
#pragma once
#include <iosfwd>
#include <string>

namespace terrain {

class MAILLAGE;

// Numbers the points, then writes the mesh. False when the stream fails.
bool ecritMaillage(MAILLAGE& maillage, std::ostream& sortie);

// Reads a mesh into `maillage`, which keeps its content unless the whole
// stream is sound. False with a French message in `erreur` (the version
// message is "Version du maillage incompatible"). Nothing is allocated from a
// count before the data behind it has been read.
bool litMaillage(MAILLAGE& maillage, std::istream& entree, std::string& erreur);

}  // namespace terrain
