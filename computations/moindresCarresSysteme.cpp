#include "computations/moindresCarresSysteme.h"

#include <Eigen/Dense>
#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>
#include <cmath>

namespace {

// A pivot this small against the largest one means the network does not fix the unknowns (a
// free or flat network): floating point rarely gives an exact 0 there.
constexpr double kPivotRelatifMin = 1e-12;

// Householder QR of a square matrix, column after column, then the same reflections on the
// right-hand side and back substitution.
bool resoudreQR(Eigen::MatrixXd qr, Eigen::VectorXd b, Eigen::VectorXd& x) {
  const Eigen::Index n = qr.rows();
  if (b.size() != n) return false;
  Eigen::VectorXd diagR(n);
  for (Eigen::Index k = 0; k < n; ++k) {
    double norme = 0;
    for (Eigen::Index i = k; i < n; ++i) norme = std::hypot(norme, qr(i, k));
    if (norme != 0) {
      if (qr(k, k) < 0) norme = -norme;
      qr.col(k).tail(n - k) /= norme;
      qr(k, k) += 1;
      for (Eigen::Index j = k + 1; j < n; ++j) {
        const double s = -qr.col(k).tail(n - k).dot(qr.col(j).tail(n - k)) / qr(k, k);
        qr.col(j).tail(n - k) += s * qr.col(k).tail(n - k);
      }
    }
    diagR(k) = -norme;
  }
  const double plusGrand = diagR.cwiseAbs().maxCoeff();
  for (Eigen::Index k = 0; k < n; ++k)
    if (diagR(k) == 0 || std::fabs(diagR(k)) <= kPivotRelatifMin * plusGrand) return false;
  for (Eigen::Index k = 0; k < n; ++k) {
    const double s = -qr.col(k).tail(n - k).dot(b.tail(n - k)) / qr(k, k);
    b.tail(n - k) += s * qr.col(k).tail(n - k);
  }
  x.resize(n);
  for (Eigen::Index k = n - 1; k >= 0; --k) {
    x(k) = b(k) / diagR(k);
    b.head(k) -= x(k) * qr.col(k).head(k);
  }
  return x.allFinite();
}

bool resoudreCreux(const std::vector<ligneSysteme>& lignes, int n, Eigen::VectorXd& x) {
  std::vector<Eigen::Triplet<double>> termes;
  termes.reserve(lignes.size() * 36);
  Eigen::VectorXd b = Eigen::VectorXd::Zero(n);
  for (const ligneSysteme& l : lignes) {
    for (int i = 0; i < l.termes; ++i) {
      b(l.colonne[i]) += l.coefficient[i] * l.poids * l.l;
      for (int j = 0; j < l.termes; ++j)
        termes.emplace_back(l.colonne[i], l.colonne[j], l.coefficient[i] * l.poids * l.coefficient[j]);
    }
  }
  Eigen::SparseMatrix<double> normale(n, n);
  normale.setFromTriplets(termes.begin(), termes.end());
  Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::AMDOrdering<int>> ldlt(normale);
  if (ldlt.info() != Eigen::Success) return false;
  const Eigen::VectorXd d = ldlt.vectorD();
  const double plusGrand = d.cwiseAbs().maxCoeff();
  if (!(plusGrand > 0) || (d.array() <= kPivotRelatifMin * plusGrand).any()) return false;
  x = ldlt.solve(b);
  return ldlt.info() == Eigen::Success && x.allFinite();
}

void journalMatrice(CString& journal, const wchar_t* nom, const Eigen::MatrixXd& m) {
  CString ligne;
  ligne.Format(L"Matrice %s (%d Lignes, %d Colonnes)", nom, static_cast<int>(m.rows()),
               static_cast<int>(m.cols()));
  ajouterLigne(journal, ligne);
  for (Eigen::Index i = 0; i < m.rows(); ++i) {
    ligne.Format(L"%d |", static_cast<int>(i));
    for (Eigen::Index j = 0; j < m.cols(); ++j) ligne.AppendFormat(L" %14.4f", m(i, j));
    ajouterLigne(journal, ligne);
  }
}

void journalEchec(CString& journal, const std::vector<ligneSysteme>& lignes, int n) {
  ajouterLigne(journal, L"Erreur lors de la résolution:");
  const int m = static_cast<int>(lignes.size());
  if (n > kInconnuesMaxAffichage || m > kObservationsMaxAffichage) {
    CString ligne;
    ligne.Format(L"Matrices non affichées (%d inconnues, %d observations)", n, m);
    ajouterLigne(journal, ligne);
    return;
  }
  Eigen::MatrixXd atp = Eigen::MatrixXd::Zero(n, m);
  Eigen::MatrixXd a = Eigen::MatrixXd::Zero(m, n);
  Eigen::VectorXd l(m);
  for (int r = 0; r < m; ++r) {
    for (int t = 0; t < lignes[r].termes; ++t) {
      a(r, lignes[r].colonne[t]) += lignes[r].coefficient[t];
      atp(lignes[r].colonne[t], r) += lignes[r].coefficient[t] * lignes[r].poids;
    }
    l(r) = lignes[r].l;
  }
  journalMatrice(journal, L"AtP", atp);
  journalMatrice(journal, L"AtPA", atp * a);
  journalMatrice(journal, L"AtPL", atp * l);
}

}  // namespace

bool resoudreMoindresCarres(const std::vector<ligneSysteme>& lignes, int n,
                            methodeResolution methode, std::vector<double>& solution,
                            CString& journal) {
  if (methode == methodeResolution::automatique)
    methode = n <= kInconnuesMaxDense ? methodeResolution::qrDense : methodeResolution::choleskyCreux;
  Eigen::VectorXd x;
  bool resolu = false;
  if (n > 0 && methode == methodeResolution::qrDense) {
    Eigen::MatrixXd normale = Eigen::MatrixXd::Zero(n, n);
    Eigen::VectorXd b = Eigen::VectorXd::Zero(n);
    for (const ligneSysteme& l : lignes)
      for (int i = 0; i < l.termes; ++i) {
        b(l.colonne[i]) += l.coefficient[i] * l.poids * l.l;
        for (int j = 0; j < l.termes; ++j)
          normale(l.colonne[i], l.colonne[j]) += l.coefficient[i] * l.poids * l.coefficient[j];
      }
    resolu = resoudreQR(std::move(normale), std::move(b), x);
  } else if (n > 0) {
    resolu = resoudreCreux(lignes, n, x);
  }
  if (!resolu) {
    journalEchec(journal, lignes, n);
    return false;
  }
  solution.assign(x.data(), x.data() + x.size());
  CString ligne;
  ligne.Format(L"Vecteur Solution (%d elements)", n);
  ajouterLigne(journal, ligne);
  for (int i = 0; i < n; ++i) {
    ligne.Format(L"%d | %14.10f |", i, solution[i]);
    ajouterLigne(journal, ligne);
  }
  ajouterLigne(journal, L"---------");
  return true;
}
