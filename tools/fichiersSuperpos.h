// The records of the overlap reduction as they go through its two temporary files: 72 bytes
// each, little-endian, entities (name, insertion point, scales, rotation, index, kind) and label
// boxes (owner, labelled entity, corner, size, flags), the boxes grouped by owner.
#pragma once
#include <cstdio>
#include <vector>

#include "tools/superpositions.h"

constexpr std::size_t kTailleEnregistrement = 72;

bool ecrireEntite(std::FILE* fichier, const entiteEtiquetee& entite);
bool ecrireBoite(std::FILE* fichier, const boiteEtiquette& boite);

// The whole file from its start. A trailing part record, a record with a number that is not
// finite or an entity of an unknown kind is dropped.
std::vector<unsigned char> lireFichier(std::FILE* fichier);
std::vector<entiteEtiquetee> lireEntites(const std::vector<unsigned char>& octets);
std::vector<boiteEtiquette> lireBoites(const std::vector<unsigned char>& octets);
