// Reference counting: ownership passes as the contract says, self-assignment is safe, nil use raises.
#include "framework/events.h"
#include "framework/object.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <type_traits>

namespace {

struct Counted : fw::Object {
    explicit Counted(int* destroyed) : destroyed_(destroyed) {}
    ~Counted() override { ++*destroyed_; }
    int* destroyed_;
    int Poke() { return 42; }
};
struct Other : fw::Object {};

// Only up the class chain converts by itself; down, or across to an unrelated class, needs RefCast.
using fw::Ref;
static_assert(std::is_convertible_v<const Ref<Counted>&, Ref<fw::Object>> &&
              std::is_convertible_v<Ref<Counted>&&, Ref<fw::Object>>);
static_assert(!std::is_convertible_v<const Ref<fw::Object>&, Ref<Counted>> &&
              !std::is_constructible_v<Ref<Counted>, const Ref<fw::Object>&> &&
              !std::is_constructible_v<Ref<Counted>, Ref<fw::Object>&&> &&
              !std::is_assignable_v<Ref<Counted>&, const Ref<fw::Object>&>);
static_assert(!std::is_constructible_v<Ref<Other>, const Ref<Counted>&> &&
              !std::is_constructible_v<Ref<Other>, Ref<Counted>&&>);

TEST(Ref, DestroysTheObjectWithTheLastReferenceOnly) {
    int destroyed = 0;
    {
        fw::Ref<Counted> a = fw::MakeRef<Counted>(&destroyed);
        {
            fw::Ref<fw::Object> c = fw::Ref<Counted>(a); // upcast shares the count
            EXPECT_EQ(a->RefCount(), 2);
            EXPECT_EQ(fw::RefCast<Counted>(c), a); // the checked way down
            EXPECT_EQ(fw::RefCast<Other>(c), nullptr);
        }
        a = a; // self-assignment keeps the object
        EXPECT_EQ(a->RefCount(), 1);
        fw::Ref<Counted> moved = std::move(a);
        EXPECT_TRUE(a.IsNil());
        EXPECT_EQ(moved->RefCount(), 1);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(Ref, NilUseRaisesNilObjectExceptionInPlaceOfTheCall) {
    fw::Ref<Counted> nil;
    EXPECT_THROW(nil->Poke(), fw::NilObjectException);
    EXPECT_THROW((void)*nil, fw::NilObjectException);
    EXPECT_THAT([&] { fw::Require(nil, "the about window"); },
                ::testing::ThrowsMessage<fw::NilObjectException>("nil object: the about window"));
}

struct Handlers {
    void None() {}
    bool One(std::int32_t a) { return a == 3; }
    bool Two(std::int32_t a, std::int32_t b) { return a + b == 5; }
};

// Delegates that fit are made and called by every bound control event; here, the ones that do not fit.
TEST(Delegate, SignatureTextMustDescribeTheHandler) {
    Handlers h;
    using fw::RuntimeCreateDelegate, fw::InvalidArgumentException;
    EXPECT_THROW(RuntimeCreateDelegate(&Handlers::None, h, "( Int32 ) as Boolean"), InvalidArgumentException);
    EXPECT_THROW(RuntimeCreateDelegate(&Handlers::One, h, "( Int32, Int32 ) as Boolean"),
                 InvalidArgumentException);
    EXPECT_THROW(RuntimeCreateDelegate(&Handlers::Two, h, "( Int32 ) as Boolean"), InvalidArgumentException);
}

} // namespace
