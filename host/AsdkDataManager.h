// Per-document records: a reactor of the document manager keeps one T for each document that
// asked for one, and drops it when the document is about to be destroyed.
#pragma once
#include <map>

#include "rx/acdocman.h"

template <class T>
class AsdkDataManager : public AcApDocManagerReactor {
 public:
  AsdkDataManager() { acDocManagerPtr()->addReactor(this); }
  ~AsdkDataManager() override { acDocManagerPtr()->removeReactor(this); }
  AsdkDataManager(const AsdkDataManager&) = delete;
  AsdkDataManager& operator=(const AsdkDataManager&) = delete;

  // The record of the current document, made at the first call; null without a current document.
  T* docData() { return docData(acDocManagerPtr()->curDocument()); }
  T* docData(AcApDocument* document) { return document == nullptr ? nullptr : &data_[document]; }
  // The record of a document when one was made, else null.
  T* find(AcApDocument* document) {
    auto it = data_.find(document);
    return it == data_.end() ? nullptr : &it->second;
  }
  size_t count() const { return data_.size(); }

  void documentToBeDestroyed(AcApDocument* document) override { data_.erase(document); }

 private:
  std::map<AcApDocument*, T> data_;  // ordered by the document's address
};
