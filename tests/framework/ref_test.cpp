// Reference counting: ownership passes as the contract says, self-assignment is safe, nil use raises.
#include "framework/events.h"
#include "framework/object.h"

#include <gtest/gtest.h>

namespace {

struct Counted : fw::Object {
    explicit Counted(int* destroyed) : destroyed_(destroyed) {}
    ~Counted() override { ++*destroyed_; }
    int* destroyed_;
    int Poke() { return 42; }
};

struct MoreCounted : Counted {
    using Counted::Counted;
};

TEST(Ref, DestroysTheObjectWithTheLastReferenceOnly) {
    int destroyed = 0;
    {
        fw::Ref<Counted> a = fw::MakeRef<Counted>(&destroyed);
        EXPECT_EQ(a->RefCount(), 1);
        {
            fw::Ref<Counted> b = a;
            fw::Ref<fw::Object> c = b; // upcast shares the count
            EXPECT_EQ(a->RefCount(), 3);
        }
        EXPECT_EQ(a->RefCount(), 1);
        a = a; // self-assignment keeps the object
        EXPECT_EQ(destroyed, 0);
        EXPECT_EQ(a->RefCount(), 1);
        fw::Ref<Counted> moved = std::move(a);
        EXPECT_TRUE(a.IsNil());
        EXPECT_EQ(moved->RefCount(), 1);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(Ref, AnObjectCanHoldItselfWhileItsLastOutsideReferenceGoes) {
    int destroyed = 0;
    fw::Ref<Counted> outside = fw::MakeRef<Counted>(&destroyed);
    Counted* raw = outside.Get();
    {
        fw::Ref<Counted> self(raw); // what a handler does before it may close its own window
        outside = nullptr;
        EXPECT_EQ(destroyed, 0);
        EXPECT_EQ(self->Poke(), 42);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(Ref, NilUseRaisesNilObjectExceptionInPlaceOfTheCall) {
    fw::Ref<Counted> nil;
    EXPECT_THROW(nil->Poke(), fw::NilObjectException);
    EXPECT_THROW((void)*nil, fw::NilObjectException);
    EXPECT_THROW(fw::Require(nil, "the about window"), fw::NilObjectException);
    try {
        fw::Require(nil, "the about window");
    } catch (const fw::NilObjectException& e) {
        EXPECT_STREQ(e.what(), "nil object: the about window");
    }
}

TEST(Ref, TypeTestingCastGivesNilForOtherClasses) {
    int destroyed = 0;
    fw::Ref<Counted> plain = fw::MakeRef<Counted>(&destroyed);
    fw::Ref<Counted> more = fw::MakeRef<MoreCounted>(&destroyed);
    EXPECT_TRUE(fw::RefCast<MoreCounted>(plain).IsNil());
    EXPECT_EQ(fw::RefCast<MoreCounted>(more).Get(), more.Get());
    EXPECT_TRUE(fw::RefCast<MoreCounted>(fw::Ref<Counted>()).IsNil());
}

struct Handlers {
    void None() { ++calls; }
    bool One(std::int32_t a) { return a == 3; }
    bool Two(std::int32_t a, std::int32_t b) { return a + b == 5; }
    int calls = 0;
};

TEST(Delegate, SignatureTextMustDescribeTheHandler) {
    Handlers h;
    auto none = fw::RuntimeCreateDelegate(&Handlers::None, h, "(  )");
    std::get<fw::Delegate::NoArgs>(none.Call())();
    EXPECT_EQ(h.calls, 1);
    auto two = fw::RuntimeCreateDelegate(&Handlers::Two, h, "( Int32, Int32 ) as Boolean");
    EXPECT_TRUE(std::get<fw::Delegate::TwoInts>(two.Call())(2, 3));
    auto one = fw::RuntimeCreateDelegate(&Handlers::One, h, "( Int32 ) as Boolean");
    EXPECT_TRUE(std::get<fw::Delegate::OneInt>(one.Call())(3));

    EXPECT_THROW(fw::RuntimeCreateDelegate(&Handlers::None, h, "()"), fw::InvalidArgumentException);
    EXPECT_THROW(fw::RuntimeCreateDelegate(&Handlers::One, h, "( Int32, Int32 ) as Boolean"),
                 fw::InvalidArgumentException);
    EXPECT_THROW(fw::RuntimeCreateDelegate(&Handlers::Two, h, "( Int32 ) as Boolean"),
                 fw::InvalidArgumentException);
}

} // namespace
