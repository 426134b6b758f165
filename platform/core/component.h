#pragma once

#include <QString>
#include <vector>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The name of the object's most derived class, without namespaces ("TCellGraphic").
    QString ClassName() const;
};

enum TOperation { opInsert, opRemove };

// A component belongs to its owner, which destroys it with itself. Components told of each
// other's removal (owner, free notifications) drop their references in Notification.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(const QString& name) const;

    QString Name;
    int Tag = 0;

    // Asks to be told (opRemove) when AComponent is destroyed.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    bool IsDestroying() const { return destroying_; }

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Destroys the owned components, last first.
    void DestroyComponents();

private:
    void insertComponent(TComponent* c);
    void removeComponent(TComponent* c);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    bool destroying_ = false;
};
